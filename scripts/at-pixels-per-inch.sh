#!/usr/bin/env bash
# Runs a command with the Wine prefix's screen set to the given pixels per inch, and puts back the
# setting it found afterwards (none, when there was none), whatever the command did. Programs read
# the setting when they start, so nothing else may run in the prefix meanwhile (ctest: RUN_SERIAL).
#   scripts/at-pixels-per-inch.sh PIXELS_PER_INCH COMMAND [ARGS...]
set -uo pipefail
: "${WINEPREFIX:?set WINEPREFIX to the prefix in the build folder}"
ppi="${1:?usage: at-pixels-per-inch.sh PIXELS_PER_INCH COMMAND [ARGS...]}"
shift
wine="$(dirname "$0")/wine"
key='HKCU\Control Panel\Desktop'
# `reg query` shows the value as "LogPixels  REG_DWORD  0x60".
found="$("$wine" reg query "$key" /v LogPixels 2>/dev/null |
         sed -nE 's/^[[:space:]]*LogPixels[[:space:]]+REG_DWORD[[:space:]]+(0x[0-9a-fA-F]+).*/\1/p')"
set_ppi() {
  "$wine" reg add "$key" /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
}
put_back() {
  if [ -n "$found" ]; then
    set_ppi "$((found))"
  else
    "$wine" reg delete "$key" /v LogPixels /f >/dev/null 2>&1
  fi
}
set_ppi "$ppi" || { echo "cannot set LogPixels to $ppi in $WINEPREFIX" >&2; exit 1; }
trap put_back EXIT
"$@"
