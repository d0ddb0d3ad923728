#!/usr/bin/env bash
# Runs a command with the Wine prefix's screen set to the given pixels per inch, and sets the
# prefix back to 96 afterwards, whatever the command did. Programs read the setting when they
# start, so nothing else may run in the prefix meanwhile (ctest: RUN_SERIAL).
#   scripts/at-pixels-per-inch.sh PIXELS_PER_INCH COMMAND [ARGS...]
set -uo pipefail
: "${WINEPREFIX:?set WINEPREFIX to the prefix in the build folder}"
ppi="${1:?usage: at-pixels-per-inch.sh PIXELS_PER_INCH COMMAND [ARGS...]}"
shift
wine="$(dirname "$0")/wine"
set_ppi() {
  "$wine" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
}
set_ppi "$ppi" || { echo "cannot set LogPixels to $ppi in $WINEPREFIX" >&2; exit 1; }
trap 'set_ppi 96' EXIT
"$@"
