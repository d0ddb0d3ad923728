#!/usr/bin/env bash
# Runs every test program of the 32-bit build a second time, under 32-bit Wine in a 32-bit Wine
# prefix of the build folder's own, where this machine can start 32-bit programs. Where it cannot
# (a kernel without 32-bit emulation, or no x86 processor), 32-bit Wine cannot start at all: the
# script then prints one line saying that the 32-bit run was skipped and why, and succeeds.
#   scripts/test-32bit.sh BUILD32 [CTEST_ARGS...]
set -euo pipefail
build="$(cd "${1:?usage: test-32bit.sh BUILD32 [CTEST_ARGS...]}" && pwd)"
shift
here="$(cd "$(dirname "$0")" && pwd)"

# The probe: a Linux i386 program of 96 bytes (ELF header, one loadable segment, and the code
# `mov eax, 1; mov ebx, 42; int 0x80`, the 32-bit exit call with code 42). It ends with 42 only
# where the kernel runs 32-bit programs.
probe="$build/i386-probe"
elf_header='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00'   # 32-bit, little-endian
elf_header+='\x02\x00\x03\x00\x01\x00\x00\x00'                           # executable, i386, version 1
elf_header+='\x54\x80\x04\x08\x34\x00\x00\x00\x00\x00\x00\x00'           # entry 0x8048054, headers at 52
elf_header+='\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00\x00\x00\x00\x00\x00\x00' # one program header
segment='\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08\x00\x80\x04\x08' # load the file at 0x8048000
segment+='\x60\x00\x00\x00\x60\x00\x00\x00\x05\x00\x00\x00\x00\x10\x00\x00' # 96 bytes, read + execute
code='\xb8\x01\x00\x00\x00\xbb\x2a\x00\x00\x00\xcd\x80'
printf '%b' "$elf_header$segment$code" > "$probe"
chmod +x "$probe"
status=0
"$probe" >/dev/null 2>&1 || status=$?
rm -f "$probe"

if [ "$status" -ne 42 ]; then
  why="a tiny static i386 program did not run (exit status $status)"
  # The kernel log often says why; it is only a hint, the probe above decides.
  hint="$(dmesg 2>/dev/null | grep -m1 -iE 'ia-?32 emulation|ia32_emulation' | sed -E 's/^\[[^]]*\] *//' || true)"
  [ -n "$hint" ] && why="$why; kernel log: \"$hint\""
  [ "$(uname -m)" = x86_64 ] || why="$why; the machine is $(uname -m)"
  echo "32-bit tests SKIPPED: this machine cannot start 32-bit programs: $why. The x86_64 run decides alone."
  exit 0
fi

"$here/install-deps.sh" wine32
echo "32-bit tests: the i686 build under 32-bit Wine, prefix $build/wineprefix"
export WINEARCH=win32 WINEPREFIX="$build/wineprefix"
"$here/wine-prefix.sh" --tests
exec "$here/with-display.sh" ctest --test-dir "$build" --output-on-failure "$@"
