#!/usr/bin/env bash
# Makes the project's own Wine prefix (WINEPREFIX, inside the build folder) on first use.
set -euo pipefail
: "${WINEPREFIX:?set WINEPREFIX to the prefix in the build folder}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$WINEPREFIX"
  echo "Making the Wine prefix $WINEPREFIX"
  "$(dirname "$0")/wine" wineboot --init >/dev/null 2>&1
  wineserver -w
fi
# Each test folder may bring a script that adds what its tests need to the prefix (drives, for example).
for hook in "$(dirname "$0")"/../tests/*/prefix-setup.sh; do
  [ -x "$hook" ] && "$hook"
done
exit 0
