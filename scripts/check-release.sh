#!/usr/bin/env bash
# Checks the release zip that `make dist` packs: it holds the 32-bit program, the 64-bit program and
# the README; the 32-bit tessellor.exe is a PE32 program for i386, and both import nothing but DLLs
# that come with Windows itself; both programs' headers name the oldest Windows that the README
# promises (Vista, 6.0), which the runtime's imports need; both version resources give VERSION,
# the program's own file name and a copyright line, and both icons hold every size Windows shows.
#   scripts/check-release.sh ZIP VERSION
set -uo pipefail
zip="${1:?usage: check-release.sh ZIP VERSION}"
version="${2:?usage: check-release.sh ZIP VERSION}"
[ -f "$zip" ] || { echo "FAIL: no release zip $zip (make dist writes it)"; exit 1; }
zip="$(cd "$(dirname "$zip")" && pwd)/$(basename "$zip")"

unpacked="$(mktemp -d)"
trap 'rm -rf "$unpacked"' EXIT
(cd "$unpacked" && cmake -E tar xf "$zip") || { echo "FAIL: $zip cannot be unpacked"; exit 1; }

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

for name in tessellor.exe tessellor-x64.exe README.txt; do
  [ -s "$unpacked/$name" ] || fail "$name is missing from the zip"
done
extra="$(cd "$unpacked" && find . -mindepth 1 -not -name tessellor.exe -not -name tessellor-x64.exe \
         -not -name README.txt -printf '%P ')"
[ -z "$extra" ] || fail "the zip holds more than the release: $extra"

# The DLLs of Windows itself (lower case) that the program may import: its runtime is linked in.
declare -A system_dll
for dll in advapi32 comctl32 comdlg32 gdi32 kernel32 mpr msvcrt ole32 oleaut32 shell32 shlwapi user32 \
           version winmm ws2_32; do
  system_dll[$dll.dll]=1
done

# The Windows version that the README names as the oldest the programs run on: Vista. The runtime
# linked into them imports GetTickCount64, which came with Vista; a program whose header allowed
# an older Windows would start there and fail at that import.
oldest_windows="6.0"

# check_exe FILE OBJDUMP FORMAT MAGIC: the file format and optional header kind, the Windows
# version in the header, and the imports.
check_exe() {
  local exe="$1" objdump="$2" format="$3" magic="$4"
  [ -s "$exe" ] || return
  local name headers
  name="$(basename "$exe")"
  if ! headers="$("$objdump" -p "$exe" 2>&1)"; then
    fail "$name is no Windows program: $headers"
    return
  fi
  grep -q "file format $format\$" <<<"$headers" ||
    fail "$name is not $format: $(grep -m1 'file format' <<<"$headers")"
  grep -qE "^Magic[[:space:]]+$magic" <<<"$headers" ||
    fail "$name has no $magic optional header: $(grep -m1 '^Magic' <<<"$headers")"
  local major minor
  major="$(sed -nE 's/^MajorSubsystemVersion[[:space:]]+([0-9]+)$/\1/p' <<<"$headers")"
  minor="$(sed -nE 's/^MinorSubsystemVersion[[:space:]]+([0-9]+)$/\1/p' <<<"$headers")"
  [ "$major.$minor" = "$oldest_windows" ] ||
    fail "$name names Windows $major.$minor as its oldest (subsystem version), not $oldest_windows as the README says"
  local dll imports=0
  while read -r dll; do
    imports=$((imports + 1))
    [ -n "${system_dll[${dll,,}]:-}" ] || fail "$name imports $dll, which Windows does not bring"
  done < <(sed -nE 's/^[[:space:]]*DLL Name: (.*)$/\1/p' <<<"$headers")
  [ "$imports" -gt 0 ] || fail "$name lists no imported DLL (its import table was not read)"
}

check_exe "$unpacked/tessellor.exe" i686-w64-mingw32-objdump pei-i386 "010b"
check_exe "$unpacked/tessellor-x64.exe" x86_64-w64-mingw32-objdump pei-x86-64 "020b"

# version_text RESOURCES KEY: one text of a version resource as windres writes it out.
version_text() { sed -nE "s/^[[:space:]]*VALUE \"$2\", \"(.*)\"[[:space:]]*$/\1/p" <<<"$1"; }

# check_resources FILE WINDRES: the version resource (the texts, the numbers: 1.01 is 1, 1, 0, 0;
# the file's own name as its original one; a copyright line) and the icon's sizes.
check_resources() {
  local exe="$1" windres="$2"
  [ -s "$exe" ] || return
  local name resources key shown
  name="$(basename "$exe")"
  if ! resources="$("$windres" -i "$exe" -O rc 2>&1)"; then
    fail "$name: its resources cannot be read: $resources"
    return
  fi
  for key in FileVersion ProductVersion; do
    shown="$(version_text "$resources" "$key")"
    [ "$shown" = "$version" ] || fail "$name: $key is \"$shown\", not \"$version\""
  done
  shown="$(version_text "$resources" OriginalFilename)"
  [ "$shown" = "$name" ] || fail "$name: OriginalFilename is \"$shown\", not \"$name\""
  shown="$(version_text "$resources" LegalCopyright)"
  [[ "$shown" == Copyright* ]] || fail "$name: LegalCopyright is \"$shown\", no copyright line"
  local major="${version%%.*}" minor="${version#*.}"
  local numbers="$((10#$major)), $((10#$minor)), 0, 0"
  shown="$(sed -nE 's/^[[:space:]]*FILEVERSION (.*)$/\1/p' <<<"$resources")"
  [ "$shown" = "$numbers" ] || fail "$name: FILEVERSION is \"$shown\", not \"$numbers\""
  # The icon group lists each image as "\WWW\HHH..." in octal, 0 standing for 256; Windows picks
  # 16 and 32 for lists and title bars, 48 and 256 for Explorer's larger views.
  shown="$(sed -nE '/"MAINICON" 14/,/^END/s/^[[:space:]]*"\\([0-7]{3}).*Element no.*/\1/p' <<<"$resources" |
           while read -r octal; do size=$((8#$octal)); echo $((size ? size : 256)); done | sort -n | xargs)"
  [ "$shown" = "16 32 48 256" ] || fail "$name: the icon's sizes are \"$shown\", not \"16 32 48 256\""
}

check_resources "$unpacked/tessellor.exe" i686-w64-mingw32-windres
check_resources "$unpacked/tessellor-x64.exe" x86_64-w64-mingw32-windres

if [ "$failures" -gt 0 ]; then
  echo "$zip: $failures problem(s)"
  exit 1
fi
echo "$zip: tessellor.exe is a PE32 i386 program; both programs are version $version, for Windows $oldest_windows and later, importing system DLLs only"
