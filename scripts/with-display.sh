#!/usr/bin/env bash
# Runs a command with an X display: the caller's own, or a private Xvfb started for it and stopped afterwards.
set -uo pipefail
if [ -n "${DISPLAY:-}" ]; then
  exec "$@"
fi
fdfile=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fdfile" >/dev/null 2>&1 &
xvfb_pid=$!
trap 'kill $xvfb_pid 2>/dev/null; wait $xvfb_pid 2>/dev/null; rm -f "$fdfile"' EXIT
for _ in $(seq 1 100); do
  [ -s "$fdfile" ] && break
  sleep 0.1
done
if [ ! -s "$fdfile" ]; then echo "Xvfb did not start" >&2; exit 1; fi
export DISPLAY=":$(head -n1 "$fdfile")"
"$@"
