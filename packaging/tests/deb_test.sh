#!/usr/bin/env bash
# deb_test.sh -- makes the Debian package of a Linux build with CPack, installs
# it on this machine with dpkg -i, runs the installed cvnaaccr, builds the two C
# consumers against the installed package, and removes it again with dpkg -r
# (and --purge, so that dpkg keeps no record of it).
#
# Usage: deb_test.sh BUILD_DIR      (a configured and built Linux build, e.g. build/native)
# Needs root, or sudo without a password; skipped, with a message, without
# either, and when a cvnaaccr package is already installed (it is not this
# test's to replace).
set -euo pipefail

if [[ $# -ne 1 ]]; then
  echo "usage: deb_test.sh BUILD_DIR" >&2
  exit 2
fi
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
skip() {
  echo "deb_test.sh: SKIPPED: $*"
  exit 0
}
fail() {
  echo "deb_test.sh: $*" >&2
  exit 1
}

command -v dpkg >/dev/null || skip "no dpkg: this is not a Debian system"
sudo=""
if [[ $(id -u) -ne 0 ]]; then
  if command -v sudo >/dev/null && sudo -n true 2>/dev/null; then
    sudo=sudo
  else
    skip "installing a package needs root or sudo without a password"
  fi
fi
if dpkg-query -W -f='${Status}' cvnaaccr 2>/dev/null | grep -q ' installed'; then
  skip "a cvnaaccr package is already installed; remove it to run this test"
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/cvnaaccr-deb.XXXXXX")
installed=""
cleanup() {
  local status=$?
  trap - EXIT
  if [[ -n $installed ]]; then
    $sudo dpkg --purge cvnaaccr >/dev/null || status=1
  fi
  rm -rf "$work"
  exit "$status"
}
trap cleanup EXIT

(cd "$build" && cpack -G DEB -B "$work/package") >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; fail "cpack -G DEB failed"; }
deb=$(find "$work/package" -maxdepth 1 -name '*.deb')
[[ -n $deb ]] || fail "cpack made no .deb"
echo "== $(basename "$deb")"
dpkg-deb -f "$deb" Package Version Architecture Depends
version=$(dpkg-deb -f "$deb" Version)

dpkg-deb -c "$deb" | awk '{print $6}' >"$work/contents.txt"
expected=(./usr/bin/cvnaaccr ./usr/include/cvnaaccr.h "lib/libcvnaaccr.so.$version" lib/pkgconfig/cvnaaccr.pc
  lib/cmake/cvnaaccr/cvnaaccr-config.cmake)
if [[ -f $here/../../tools/cvnaaccr.1 ]]; then
  expected+=(./usr/share/man/man1/cvnaaccr.1)
fi
for file in "${expected[@]}"; do
  grep -q -- "$file\$" "$work/contents.txt" || { cat "$work/contents.txt"; fail "the package lacks $file"; }
done
# The tests, benchmarks and sample generator stay in the build.
if grep -E 'test|bench|make_samples|gtest' "$work/contents.txt"; then
  fail "the package holds files that are not for users"
fi

installed=yes
$sudo dpkg -i "$deb" >"$work/dpkg.log" 2>&1 || { cat "$work/dpkg.log"; fail "dpkg -i failed"; }
out=$(env -u LD_LIBRARY_PATH cvnaaccr version) || fail "the installed cvnaaccr does not run"
echo "$out" | head -n 1
[[ $out == *" $version"* ]] || fail "cvnaaccr version does not say $version"
[[ $(command -v cvnaaccr) == /usr/bin/cvnaaccr ]] || fail "cvnaaccr runs from $(command -v cvnaaccr), not /usr/bin"

"$here/build_consumers.sh" "" "$work/consumers" "$version"

$sudo dpkg -r cvnaaccr >"$work/dpkg.log" 2>&1 || { cat "$work/dpkg.log"; fail "dpkg -r failed"; }
if dpkg-query -W -f='${Status}' cvnaaccr 2>/dev/null | grep -q ' installed'; then
  fail "cvnaaccr is still installed after dpkg -r"
fi
[[ ! -e /usr/bin/cvnaaccr && ! -e /usr/include/cvnaaccr.h && ! -e /usr/lib/libcvnaaccr.so.1 ]] ||
  fail "dpkg -r left files behind"
# dpkg keeps a removed package's scripts until it is purged; leave no trace.
$sudo dpkg --purge cvnaaccr >/dev/null
installed=""
echo "the Debian package installs, works and goes"
