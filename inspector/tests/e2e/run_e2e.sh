#!/usr/bin/env bash
# run_e2e.sh -- the end-to-end tests of veldrix.exe: Wine 64 on a private Xvfb display, a fresh prefix.
#
# Usage: run_e2e.sh PROGRAM_DIR DRIVER_EXE ARTIFACT_DIR [OLDER_DLL]
#   PROGRAM_DIR holds veldrix.exe, cvnaaccr.dll and veldrix.chm (the x86_64 build). DRIVER_EXE is the
#   e2e driver built beside them. OLDER_DLL is a cvnaaccr.dll without the record checker. The runs, each
#   in a folder of its own with its own copy of the program:
#     close  every kind of file, a cancelled selection, Help, the About box, the close box; the log
#     quit   Help without veldrix.chm, one file, "Quit"; the log without its closing separator
#     nolog  a folder named veldrix.log: the "ERROR" box, then the program works without a log
#     check  the record check of a file with problems: list, summary, saved report, log lines
#     cancel checks of a file of about 300 MB cancelled two ways; then the program goes on working
#     older  (with OLDER_DLL) the program with that library: it works and offers no record check
#   ARTIFACT_DIR receives the screenshots (PNG), each run's output and its veldrix.log. The display, the
#   prefix and every Wine process are gone when the script ends, however it ends.
# Environment: WINE64 and WINESERVER name Wine's programs (default /usr/lib/wine/wine64 and wineserver);
# VELDRIX_E2E_SCENARIOS, when set, names the runs to do ("check cancel").
set -euo pipefail

if [[ $# -ne 3 && $# -ne 4 ]]; then
  echo "usage: run_e2e.sh PROGRAM_DIR DRIVER_EXE ARTIFACT_DIR [OLDER_DLL]" >&2
  exit 2
fi
program_dir=$1
driver=$2
artifacts=$3
older_dll=${4:-}
scenarios="close quit nolog check cancel"
if [[ -n $older_dll ]]; then
  [[ -f $older_dll ]] || { echo "run_e2e.sh: $older_dll is missing" >&2; exit 2; }
  scenarios="$scenarios older"
fi
# A developer may run only some of them.
scenarios=${VELDRIX_E2E_SCENARIOS:-$scenarios}
wine=${WINE64:-/usr/lib/wine/wine64}
wineserver=${WINESERVER:-/usr/lib/wine/wineserver}

for file in "$program_dir/veldrix.exe" "$program_dir/cvnaaccr.dll" "$program_dir/veldrix.chm" "$driver"; do
  [[ -f $file ]] || { echo "run_e2e.sh: $file is missing; build the win64 preset first" >&2; exit 2; }
done
for tool in Xvfb convert "$wine" "$wineserver"; do
  if ! command -v "$tool" >/dev/null; then
    echo "run_e2e.sh: $tool is missing (tools/install_packages.sh windows)" >&2
    exit 2
  fi
done

started=$(date +%s)
work=$(mktemp -d "${TMPDIR:-/tmp}/veldrix-e2e.XXXXXX")
xvfb_pid=""
cleanup() {
  local status=$?
  trap - EXIT INT TERM
  if [[ -f $work/prefix/system.reg ]]; then
    WINEPREFIX=$work/prefix "$wineserver" -k >/dev/null 2>&1 || true
    WINEPREFIX=$work/prefix "$wineserver" -w >/dev/null 2>&1 || true
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

# Waits until the file $1 is not empty, for at most 10 s.
wait_for_file() {
  local tries=0
  until [[ -s $1 ]]; do
    tries=$((tries + 1))
    if [[ $tries -gt 100 ]]; then
      echo "run_e2e.sh: $2 did not start within 10 s" >&2
      return 1
    fi
    sleep 0.1
  done
}

# Xvfb picks a free display itself and writes its number once it accepts clients.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
wait_for_file "$work/display" Xvfb
display=$(head -n 1 "$work/display")
export DISPLAY=:$display
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

"$wine" wineboot -i >"$work/wineboot.log" 2>&1
# Without a window manager, Wine waits about 2 s for every window it hides unless it manages them itself.
"$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
echo "prefix ready on display $DISPLAY after $(($(date +%s) - started)) s"

# The Windows name of a Unix path: drive Z: is the Unix root.
windows_path() { printf 'Z:%s' "$1" | tr / '\134'; }

mkdir -p "$artifacts" "$work/shots"
rm -f "$artifacts"/*.png "$artifacts"/*.txt "$artifacts"/*.log "$artifacts"/*.expected
failed=""
for scenario in $scenarios; do
  folder=$work/$scenario
  mkdir "$folder"
  cp "$program_dir/veldrix.exe" "$program_dir/cvnaaccr.dll" "$folder/"
  if [[ $scenario == older ]]; then
    cp "$older_dll" "$folder/cvnaaccr.dll"
  fi
  if [[ $scenario != quit ]]; then
    cp "$program_dir/veldrix.chm" "$folder/"
  fi
  if [[ $scenario == nolog ]]; then
    mkdir "$folder/veldrix.log"
  fi
  echo "== $scenario"
  # In the background, so that an interrupt reaches the cleanup at once.
  "$wine" "$driver" "$scenario" "$(windows_path "$folder")" "$(windows_path "$work/shots")" \
    >"$work/$scenario.out" 2>"$work/$scenario.wine.log" &
  status=0
  wait $! || status=$?
  tr -d '\r' <"$work/$scenario.out" | tee "$artifacts/$scenario.txt"
  if [[ $status -ne 0 ]]; then
    failed="$failed $scenario"
  fi
  for log in "$folder/veldrix.log" "$folder/veldrix.log.expected" "$folder/report.txt" "$folder/report.txt.expected"; do
    if [[ -f $log ]]; then
      cp "$log" "$artifacts/$scenario-$(basename "$log")"
    fi
  done
  # The large file of the cancelled checks is not kept.
  rm -rf "$folder/samples"
done

for shot in "$work"/shots/*.bmp; do
  [[ -f $shot ]] && convert "$shot" "$artifacts/$(basename "$shot" .bmp).png"
done
echo "artifacts in $artifacts; $(($(date +%s) - started)) s in all"
if [[ -n $failed ]]; then
  echo "end-to-end runs failed:$failed" >&2
  exit 1
fi
