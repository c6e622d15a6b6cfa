#!/usr/bin/env bash
# install_packages.sh GROUP... -- installs the Debian packages of the named
# groups that are missing (as root, or through sudo).  Groups:
#   native   compilers, CMake, GoogleTest, Google Benchmark, zlib, groff (the Linux build)
#   checks   clang with its sanitizer and fuzzer runtimes, clang-format
#   windows  mingw-w64 for i686 and x86_64 with its static zlib, Wine 64, Xvfb, the CHM compiler, ImageMagick
#   packaging  pkg-config, and dpkg-shlibdeps with file for CPack's Debian package
#   browser  Debian's Chromium, which renders the HTML report headless in the browser test
#   python   Python 3 with pytest, setuptools, wheel, pip and venv (the Python package and its tests)
#   expat-source  Debian's expat source package, unpacked into build/expat-src (the Windows builds
#            compile it into cvnaaccr.dll); a deb-src entry for this machine's Debian archive is
#            added first when there is none
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"

declare -A groups=(
  [native]="cmake ninja-build g++ make libgtest-dev libgmock-dev googletest libbenchmark-dev zlib1g-dev libexpat1-dev groff-base"
  [checks]="clang libclang-rt-14-dev clang-format"
  [windows]="g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix libz-mingw-w64-dev wine64 xvfb xauth fonts-wine fp-utils imagemagick"
  [packaging]="pkg-config dpkg-dev file"
  [browser]="chromium"
  [python]="python3 python3-pytest python3-setuptools python3-wheel python3-pip python3-venv"
  [expat-source]="dpkg-dev"
)

wanted=()
for group in "$@"; do
  [[ -n "${groups[$group]:-}" ]] || { echo "install_packages.sh: unknown group $group" >&2; exit 2; }
  for package in ${groups[$group]}; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || wanted+=("$package")
  done
done
sudo=""
[[ $(id -u) -eq 0 ]] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
if [[ ${#wanted[@]} -gt 0 ]]; then
  echo "Installing: ${wanted[*]}"
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${wanted[@]}" >/dev/null
fi

# The deb-src entries of the Debian archives this machine already takes its
# packages from (deb822 .sources stanzas and one-line .list entries alike).
debian_source_entries() {
  local file
  for file in /etc/apt/sources.list /etc/apt/sources.list.d/*.sources /etc/apt/sources.list.d/*.list; do
    [[ -f $file ]] || continue
    case $file in
      *.sources)
        awk 'BEGIN { RS = ""; ORS = "\n\n" }
             /(^|\n)Types:[^\n]*deb/ && /(^|\n)URIs:[^\n]*\/debian(-security)?\/?(\n|$)/ && !/Enabled: *no/ {
               sub(/(^|\n)Types:[^\n]*/, "\nTypes: deb-src"); sub(/^\n/, ""); print }' "$file" ;;
      *) sed -n -E 's%^deb (\[[^]]*\] )?([^ ]*/debian(-security)?/?) (.*)$%deb-src \1\2 \4%p' "$file" ;;
    esac
  done
}

# expat's own source, unpacked once into build/expat-src.
if [[ " $* " == *" expat-source "* ]] && ! compgen -G "$here/build/expat-src/expat-*/expat/lib/xmlparse.c" >/dev/null; then
  if ! grep -rqsE '^(deb-src |Types:.*deb-src)' /etc/apt/sources.list /etc/apt/sources.list.d/; then
    entries="$(debian_source_entries)"
    [[ -n $entries ]] || { echo "install_packages.sh: no Debian archive in /etc/apt/sources.list*" >&2; exit 1; }
    if grep -q '^deb-src ' <<<"$entries"; then
      target=/etc/apt/sources.list.d/cvnaaccr-deb-src.list
    else
      target=/etc/apt/sources.list.d/cvnaaccr-deb-src.sources
    fi
    echo "Adding source entries: $target"
    printf '%s\n' "$entries" | $sudo tee "$target" >/dev/null
    $sudo apt-get update -qq
  fi
  rm -rf "$here/build/expat-src.partial"
  mkdir -p "$here/build/expat-src.partial"
  # The newest version whose files the archive still serves (a mirror may
  # list a security update it no longer holds).
  fetched=""
  for version in $(apt-cache showsrc expat | sed -n 's/^Version: //p' | sort -rV); do
    if (cd "$here/build/expat-src.partial" && apt-get source -qq "expat=$version" >/dev/null 2>&1); then
      fetched=$version
      break
    fi
    rm -rf "$here/build/expat-src.partial"/*
  done
  [[ -n $fetched ]] || { echo "install_packages.sh: apt-get source expat failed" >&2; exit 1; }
  echo "Unpacked the source of expat $fetched into build/expat-src"
  rm -rf "$here/build/expat-src"
  mv "$here/build/expat-src.partial" "$here/build/expat-src"
fi
