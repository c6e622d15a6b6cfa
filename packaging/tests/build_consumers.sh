#!/usr/bin/env bash
# build_consumers.sh -- builds and runs the two C consumers of an installed
# cvnaaccr in a folder of their own, outside the source tree: one found
# through find_package(cvnaaccr CONFIG), one through pkg-config.
#
# Usage: build_consumers.sh PREFIX WORK_DIR VERSION [--static]
#   PREFIX   the install prefix, or "" for the system's (a Debian package)
#   VERSION  the version the install must announce, MAJOR.MINOR.PATCH
#   --static link the static library (pkg-config --static)
# Environment: CMAKE (default cmake), CC (default cc), PKG_CONFIG (default pkg-config).
set -euo pipefail

if [[ $# -lt 3 || $# -gt 4 ]]; then
  echo "usage: build_consumers.sh PREFIX WORK_DIR VERSION [--static]" >&2
  exit 2
fi
prefix=$1
work=$2
version=$3
static=${4:-}
cmake=${CMAKE:-cmake}
cc=${CC:-cc}
pkg_config=${PKG_CONFIG:-pkg-config}
here=$(cd "$(dirname "$0")" && pwd)
IFS=. read -r major minor _ <<<"$version"

rm -rf "$work"
mkdir -p "$work"
cp "$here/consumer/CMakeLists.txt" "$here/consumer/consumer.c" "$work/"
prefix_args=()
if [[ -n $prefix ]]; then
  prefix_args=(-DCMAKE_PREFIX_PATH="$prefix")
fi

# Configures the CMake consumer asking for version $1; the status is configure's.
configure() {
  "$cmake" -S "$work" -B "$work/cmake-$1" "${prefix_args[@]}" -DCVNAACCR_REQUESTED_VERSION="$1" \
    >"$work/cmake-$1.log" 2>&1
}

echo "-- find_package(cvnaaccr $major.0 CONFIG)"
configure "$major.0" || { cat "$work/cmake-$major.0.log"; exit 1; }
"$cmake" --build "$work/cmake-$major.0" >"$work/cmake-build.log" 2>&1 || { cat "$work/cmake-build.log"; exit 1; }
announced=$(cat "$work/cmake-$major.0/package_version.txt")
[[ $announced == "$version" ]] || { echo "the CMake package announces $announced, not $version" >&2; exit 1; }
env -u LD_LIBRARY_PATH "$work/cmake-$major.0/consumer" "$announced"
# Same major version: a later minor or another major version is refused.
for refused in "$major.$((minor + 1))" "$((major + 1)).0"; do
  if configure "$refused"; then
    echo "find_package(cvnaaccr $refused) accepted version $version" >&2
    exit 1
  fi
done

echo "-- pkg-config --cflags --libs cvnaaccr"
if [[ -n $prefix ]]; then
  pc_file=$(find "$prefix" -name cvnaaccr.pc)
  [[ -n $pc_file ]] || { echo "no cvnaaccr.pc under $prefix" >&2; exit 1; }
  PKG_CONFIG_PATH=$(dirname "$pc_file")
  export PKG_CONFIG_PATH
fi
pkg_args=(cvnaaccr)
[[ $static == --static ]] && pkg_args=(--static cvnaaccr)
announced=$("$pkg_config" --modversion cvnaaccr)
[[ $announced == "$version" ]] || { echo "cvnaaccr.pc announces $announced, not $version" >&2; exit 1; }
flags=$("$pkg_config" --cflags --libs "${pkg_args[@]}")
echo "   $flags"
# shellcheck disable=SC2086 # the flags are words
"$cc" -Wall -Wextra -Werror -o "$work/pkg-config-consumer" "$work/consumer.c" $flags
libdir=$("$pkg_config" --variable=libdir cvnaaccr)
# A shared library outside the system's folders is found through LD_LIBRARY_PATH,
# as its user would find it.
LD_LIBRARY_PATH=$libdir "$work/pkg-config-consumer" "$announced"

if [[ $static == --static ]]; then
  for program in "$work/cmake-$major.0/consumer" "$work/pkg-config-consumer"; do
    if readelf -d "$program" | grep -q 'NEEDED.*libcvnaaccr'; then
      echo "$program, linked statically, needs libcvnaaccr.so" >&2
      exit 1
    fi
  done
fi
