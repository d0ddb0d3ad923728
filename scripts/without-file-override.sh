#!/usr/bin/env bash
# Runs a command without the capability that lets root write (and read) every file, so that a
# read-only file refuses writes as it does for any other user. Files owned by root stay readable
# and writable through their owner's permissions.
# Wine opens files in its server: a server of the prefix still running from an earlier program
# would open them with the capability, so it is let end first, and the command starts its own.
set -euo pipefail
# Any other user has no such capability to drop.
[ "$(id -u)" -eq 0 ] || exec "$@"
wineserver -w
capsh=$(command -v capsh || echo /usr/sbin/capsh)
[ -x "$capsh" ] || { echo "without-file-override.sh: no capsh (libcap2-bin: scripts/install-deps.sh test)" >&2; exit 1; }
exec "$capsh" --drop=cap_dac_override -- -c 'exec "$@"' without-file-override "$@"
