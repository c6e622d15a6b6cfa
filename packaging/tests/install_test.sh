#!/usr/bin/env bash
# install_test.sh -- builds cvnaaccr as a user without the test tools would
# (BUILD_TESTING=OFF; GoogleTest, Google Benchmark and zlib hidden from CMake),
# installs it with `cmake --install --prefix`, removes the build folder, moves
# the installed folder, and then uses it: the installed cvnaaccr runs, the
# files are where they belong, and the two C consumers build and run.  Once
# with the shared library and once with the static one.
#
# Usage: install_test.sh SOURCE_DIR WORK_DIR VERSION
# Environment: CMAKE (default cmake), CMAKE_GENERATOR, CC and CXX pass through.
set -euo pipefail

if [[ $# -ne 3 ]]; then
  echo "usage: install_test.sh SOURCE_DIR WORK_DIR VERSION" >&2
  exit 2
fi
source=$(cd "$1" && pwd)
work=$2
version=$3
cmake=${CMAKE:-cmake}
here=$(cd "$(dirname "$0")" && pwd)
major=${version%%.*}

fail() {
  echo "install_test.sh: $*" >&2
  exit 1
}

rm -rf "$work"
mkdir -p "$work"
work=$(cd "$work" && pwd)
for kind in shared static; do
  echo "== $kind library"
  build=$work/$kind-build
  shared=ON
  [[ $kind == static ]] && shared=OFF
  if ! "$cmake" -S "$source" -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DBUILD_SHARED_LIBS=$shared \
    -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON \
    -DCMAKE_DISABLE_FIND_PACKAGE_ZLIB=ON >"$work/$kind-configure.log" 2>&1; then
    cat "$work/$kind-configure.log"
    fail "configuring without the test tools failed"
  fi
  "$cmake" --build "$build" -j2 >"$work/$kind-build.log" 2>&1 || { cat "$work/$kind-build.log"; fail "build failed"; }
  "$cmake" --install "$build" --prefix "$work/$kind-installed" >"$work/$kind-install.log"
  rm -rf "$build"
  # The installed folder works wherever it is.
  prefix=$work/$kind-prefix
  mv "$work/$kind-installed" "$prefix"

  (cd "$prefix" && find . -type f -o -type l | sort) >"$work/$kind-files.txt"
  sed 's/^/   /' "$work/$kind-files.txt"
  headers=$(cd "$prefix" && find . -name '*.h')
  [[ $headers == ./include/cvnaaccr.h ]] || fail "installed headers: $headers (expected include/cvnaaccr.h alone)"
  libdir=$(dirname "$(find "$prefix" -name 'libcvnaaccr.*' | head -n 1)")
  for file in cmake/cvnaaccr/cvnaaccr-config.cmake cmake/cvnaaccr/cvnaaccr-config-version.cmake; do
    [[ -f $libdir/$file ]] || fail "no $file beside the library"
  done
  [[ -f $libdir/pkgconfig/cvnaaccr.pc ]] || fail "no cvnaaccr.pc"
  if [[ $kind == shared ]]; then
    [[ -f $libdir/libcvnaaccr.so.$version ]] || fail "no libcvnaaccr.so.$version"
    [[ $(readlink "$libdir/libcvnaaccr.so.$major") == "libcvnaaccr.so.$version" ]] ||
      fail "libcvnaaccr.so.$major does not name libcvnaaccr.so.$version"
    [[ $(readlink "$libdir/libcvnaaccr.so") == "libcvnaaccr.so.$major" ]] ||
      fail "libcvnaaccr.so does not name libcvnaaccr.so.$major"
    readelf -d "$libdir/libcvnaaccr.so.$version" | grep -q "SONAME.*\[libcvnaaccr.so.$major\]" ||
      fail "the soname is not libcvnaaccr.so.$major"
    [[ ! -e $libdir/libcvnaaccr.a ]] || fail "a shared build installed libcvnaaccr.a"
  else
    [[ -f $libdir/libcvnaaccr.a ]] || fail "no libcvnaaccr.a"
    [[ -z $(find "$prefix" -name 'libcvnaaccr.so*') ]] || fail "a static build installed libcvnaaccr.so"
  fi
  if [[ -f $source/tools/cvnaaccr.1 ]]; then
    [[ -f $prefix/share/man/man1/cvnaaccr.1 ]] || fail "the man page is not installed"
  fi

  # The program finds its library from its own folder.
  out=$(env -u LD_LIBRARY_PATH "$prefix/bin/cvnaaccr" version) || fail "the installed cvnaaccr does not run"
  echo "   $out" | head -n 1
  [[ $out == *" $version"* ]] || fail "cvnaaccr version does not say $version: $out"

  link=()
  [[ $kind == static ]] && link=(--static)
  "$here/build_consumers.sh" "$prefix" "$work/$kind-consumers" "$version" "${link[@]}"
done
echo "installs and consumers work"
