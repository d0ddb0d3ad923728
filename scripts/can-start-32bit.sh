#!/usr/bin/env bash
# Says whether this machine can start 32-bit programs, which 32-bit Wine needs: it succeeds
# silently where it can; where it cannot (a kernel without 32-bit emulation, or no x86 processor),
# it prints why on one line and fails.
#   scripts/can-start-32bit.sh
set -uo pipefail

# The probe: a Linux i386 program of 96 bytes (ELF header, one loadable segment, and the code
# `mov eax, 1; mov ebx, 42; int 0x80`, the 32-bit exit call with code 42). It ends with 42 only
# where the kernel runs 32-bit programs.
dir="$(mktemp -d)"
trap 'rm -rf "$dir"' EXIT
probe="$dir/i386-probe"
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
[ "$status" -eq 42 ] && exit 0

why="a tiny static i386 program did not run (exit status $status)"
# The kernel log often says why; it is only a hint, the probe above decides.
hint="$(dmesg 2>/dev/null | grep -m1 -iE 'ia-?32 emulation|ia32_emulation' | sed -E 's/^\[[^]]*\] *//' || true)"
[ -n "$hint" ] && why="$why; kernel log: \"$hint\""
[ "$(uname -m)" = x86_64 ] || why="$why; the machine is $(uname -m)"
echo "$why"
exit 1
