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

if ! why="$("$here/can-start-32bit.sh")"; then
  echo "32-bit tests SKIPPED: this machine cannot start 32-bit programs: $why. The x86_64 run decides alone."
  exit 0
fi

"$here/install-deps.sh" wine32
echo "32-bit tests: the i686 build under 32-bit Wine, prefix $build/wineprefix"
export WINEARCH=win32 WINEPREFIX="$build/wineprefix"
"$here/wine-prefix.sh" --tests
exec "$here/with-display.sh" ctest --test-dir "$build" --output-on-failure "$@"
