#!/usr/bin/env bash
# install_packages.sh GROUP... -- installs the Debian packages of the named
# groups that are missing (as root, or through sudo).  Groups:
#   native   compilers, CMake, GoogleTest, Google Benchmark, zlib, groff (the Linux build)
#   checks   clang with its sanitizer and fuzzer runtimes, clang-format
#   windows  mingw-w64 for i686 and x86_64 with its static zlib, Wine 64, Xvfb, the CHM compiler, ImageMagick
#   packaging  pkg-config, and dpkg-shlibdeps with file for CPack's Debian package
#   python   Python 3 with pytest, setuptools, wheel and pip (the Python package and its tests)
set -euo pipefail

declare -A groups=(
  [native]="cmake ninja-build g++ make libgtest-dev libgmock-dev googletest libbenchmark-dev zlib1g-dev groff-base"
  [checks]="clang libclang-rt-14-dev clang-format"
  [windows]="g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix libz-mingw-w64-dev wine64 xvfb xauth fonts-wine fp-utils imagemagick"
  [packaging]="pkg-config dpkg-dev file"
  [python]="python3 python3-pytest python3-setuptools python3-wheel python3-pip"
)

wanted=()
for group in "$@"; do
  [[ -n "${groups[$group]:-}" ]] || { echo "install_packages.sh: unknown group $group" >&2; exit 2; }
  for package in ${groups[$group]}; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || wanted+=("$package")
  done
done
[[ ${#wanted[@]} -eq 0 ]] && exit 0

echo "Installing: ${wanted[*]}"
sudo=""
[[ $(id -u) -eq 0 ]] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${wanted[@]}" >/dev/null
