#!/usr/bin/env bash
# Puts the release together in BUILD/dist: tessellor.exe (the 32-bit program from BUILD32),
# tessellor-x64.exe (the 64-bit program from BUILD), both stripped of their symbols, and README.txt
# for Windows users (with CR LF line ends); packs them into tessellor-VERSION-win32.zip and checks it.
#   scripts/dist.sh BUILD BUILD32
set -euo pipefail
build="$(cd "${1:?usage: dist.sh BUILD BUILD32}" && pwd)"
build32="$(cd "${2:?usage: dist.sh BUILD BUILD32}" && pwd)"
here="$(cd "$(dirname "$0")" && pwd)"
version="$(sed -nE 's/^CMAKE_PROJECT_VERSION:[A-Z]+=(.*)$/\1/p' "$build/CMakeCache.txt")"
[ -n "$version" ] || { echo "dist.sh: no project version in $build/CMakeCache.txt" >&2; exit 1; }

dist="$build/dist"
zip="$dist/tessellor-$version-win32.zip"
rm -rf "$dist"
mkdir -p "$dist"
i686-w64-mingw32-strip -o "$dist/tessellor.exe" "$build32/app/tessellor.exe"
x86_64-w64-mingw32-strip -o "$dist/tessellor-x64.exe" "$build/app/tessellor.exe"
sed 's/$/\r/' "$here/../release/README.txt" > "$dist/README.txt"
(cd "$dist" && cmake -E tar cf "$zip" --format=zip tessellor.exe tessellor-x64.exe README.txt)
"$here/check-release.sh" "$zip" "$version"
