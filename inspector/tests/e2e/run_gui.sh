#!/usr/bin/env bash
# run_gui.sh -- starts veldrix.exe of a Windows x86_64 build under Wine 64.
#
# Usage: run_gui.sh BUILD_DIR
#   BUILD_DIR is a build of the win64 preset (build/win64). The program runs in BUILD_DIR/gui-run, where it
#   writes its veldrix.log; its help file is the one beside it in the build's dist folder.
#   With DISPLAY set, the program opens on that display and the script returns when the user closes it.
#   Without DISPLAY, it runs on a private Xvfb display: once its dialog is up, a screenshot is saved as
#   BUILD_DIR/veldrix-gui.png (the path is printed), the dialog is closed and the display is removed.
# Environment: WINE64 and WINESERVER name Wine's programs (default /usr/lib/wine/wine64 and wineserver).
set -euo pipefail

if [[ $# -ne 1 ]]; then
  echo "usage: run_gui.sh BUILD_DIR" >&2
  exit 2
fi
build=$(cd "$1" && pwd)
wine=${WINE64:-/usr/lib/wine/wine64}
wineserver=${WINESERVER:-/usr/lib/wine/wineserver}
program_dir=$build/dist/veldrix
driver=$build/inspector/tests/e2e/veldrix_e2e_driver.exe
if [[ ! -f $program_dir/veldrix.exe ]]; then
  echo "run_gui.sh: no $program_dir/veldrix.exe; build the win64 preset" >&2
  exit 2
fi
run_folder=$build/gui-run
mkdir -p "$run_folder"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

# The Windows name of a Unix path: drive Z: is the Unix root.
windows_path() { printf 'Z:%s' "$1" | tr / '\134'; }

if [[ -n ${DISPLAY:-} ]]; then
  # A prefix of its own, in which the desktop's window manager handles the windows as usual.
  export WINEPREFIX=${VELDRIX_WINEPREFIX:-${TMPDIR:-/tmp}/veldrix-gui-wine-$(id -u)}
  cd "$run_folder"
  exec "$wine" "$program_dir/veldrix.exe"
fi

if [[ ! -f $driver ]]; then
  cmake --build "$build" -j2 --target veldrix_e2e_driver >/dev/null
fi
work=$(mktemp -d "${TMPDIR:-/tmp}/veldrix-gui.XXXXXX")
export WINEPREFIX=$work/prefix
xvfb_pid=""
cleanup() {
  local status=$?
  trap - EXIT INT TERM
  if [[ -f $WINEPREFIX/system.reg ]]; then
    "$wineserver" -k >/dev/null 2>&1 || true
    "$wineserver" -w >/dev/null 2>&1 || true
  fi
  if [[ -n $xvfb_pid ]]; then
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
  fi
  rm -rf "$work"
  exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
tries=0
until [[ -s $work/display ]]; do
  tries=$((tries + 1))
  [[ $tries -le 100 ]] || { echo "run_gui.sh: Xvfb did not start within 10 s" >&2; exit 1; }
  sleep 0.1
done
display=$(head -n 1 "$work/display")
export DISPLAY=:$display

echo "Preparing a Wine prefix on the private display $DISPLAY ..."
"$wine" wineboot -i >/dev/null 2>&1
"$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1

# The driver starts the program in run_folder, waits for its dialog, saves it and closes it.
cp "$program_dir"/veldrix.exe "$program_dir"/cvnaaccr.dll "$run_folder/"
if [[ -f $program_dir/veldrix.chm ]]; then
  cp "$program_dir/veldrix.chm" "$run_folder/"
fi
"$wine" "$driver" show "$(windows_path "$run_folder")" "$(windows_path "$work/veldrix.bmp")" >"$work/show.out" &
status=0
wait $! || status=$?
tr -d '\r' <"$work/show.out"
if [[ $status -ne 0 ]]; then
  exit "$status"
fi
convert "$work/veldrix.bmp" "$build/veldrix-gui.png"
echo "Screenshot of the dialog: $build/veldrix-gui.png"
