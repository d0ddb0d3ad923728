#!/usr/bin/env bash
# Configures a build folder for one architecture where it needs it, and builds in it, quietly: what
# is compiled shows, and every warning and error, but an up-to-date build prints nothing.
#   scripts/build.sh FOLDER ARCH all|program [TARGET...]
# `all` configures the whole build, the tests too (GoogleTest's sources needed); `program` keeps a
# folder as it is configured and configures a new one without the tests. Without TARGETs
# everything configured is built. A folder keeps the toolchain it was first configured with: one
# made for the other architecture is refused. JOBS: the compilers run at once (2).
set -euo pipefail
usage="usage: build.sh FOLDER ARCH all|program [TARGET...]"
folder="${1:?$usage}"
arch="${2:?$usage}"
scope="${3:?$usage}"
shift 3
root="$(cd "$(dirname "$0")/.." && pwd)"
toolchain="$root/cmake/mingw-$arch.cmake"
[ -f "$toolchain" ] || { echo "ARCH is x86_64 or i686, not \"$arch\"" >&2; exit 2; }

cache="$folder/CMakeCache.txt"
made="$(sed -n 's/^CMAKE_TOOLCHAIN_FILE:[A-Z]*=//p' "$cache" 2>/dev/null || true)"
if [ -n "$made" ] && [ "$made" != "$toolchain" ]; then
  echo "$folder was configured with $made, not $toolchain (ARCH=$arch):" >&2
  echo "give ARCH its own folder (BUILD=...) or remove $folder." >&2
  exit 1
fi
testing="$(sed -n 's/^BUILD_TESTING:BOOL=//p' "$cache" 2>/dev/null || true)"
case "$scope" in
  all) [ "$testing" = ON ] || testing=ON configure=yes ;;
  program) [ -n "$made" ] || testing=OFF configure=yes ;;
  *) echo "$usage" >&2; exit 2 ;;
esac
# CMake's own progress goes to standard output, its warnings and errors to standard error.
if [ "${configure:-no}" = yes ]; then
  cmake --log-level=WARNING -S "$root" -B "$folder" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DBUILD_TESTING="$testing" >/dev/null
fi

# The lines that every build prints, also when nothing is to be done (and those of CMake running
# itself again after a change to the build files), go; the compiler's lines stay.
build() {
  cmake --build "$folder" -j"${JOBS:-2}" "$@" -- --no-print-directory |
    sed -u -E '/^\[ *[0-9]+%\] Built target |^Consolidate compiler generated dependencies|^-- (Configuring|Generating) done|^-- Build files have been written/d'
}
# One target at a time: a target that a change to the build files has just added is known only to
# the builds after the one that ran CMake again.
[ $# -gt 0 ] || build
for target in "$@"; do build --target "$target"; done
