#!/usr/bin/env bash
# Takes screenshots of the program's windows into BUILD/screenshots/NAME.png. Each program runs in
# a Wine virtual desktop, which draws window frames where there is no window manager; the whole
# screen is grabbed once the window has settled. Needs an X display (scripts/with-display.sh).
#   scripts/screenshots.sh BUILD [NAME...]     names: main support product (default: all)
set -euo pipefail
build="$(cd "${1:?usage: screenshots.sh BUILD [NAME...]}" && pwd)"
shift
here="$(cd "$(dirname "$0")" && pwd)"
export WINEPREFIX="${WINEPREFIX:-$build/wineprefix}"
out="$build/screenshots"
mkdir -p "$out"
settle="${SCREENSHOT_SETTLE:-4}"

# shoot NAME SECONDS_ALIVE PROGRAM [ARGS...]: the program must end by itself after SECONDS_ALIVE.
shoot() {
  local name="$1" alive="$2"
  shift 2
  "$here/wine" explorer "/desktop=shot-$name,1024x768" "$@" >/dev/null 2>&1 &
  local pid=$!
  sleep "$settle"
  if command -v import >/dev/null 2>&1; then
    import -window root "$out/$name.png"
  else
    xwd -root -silent | convert xwd:- "$out/$name.png"
  fi
  # The program closes itself; give it time, then stop only the process started here.
  local waited=0
  while kill -0 "$pid" 2>/dev/null && [ "$waited" -lt $((alive + 10)) ]; do
    sleep 1
    waited=$((waited + 1))
  done
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  echo "$out/$name.png"
}

names=("$@")
[ ${#names[@]} -gt 0 ] || names=(main support product)
for name in "${names[@]}"; do
  case "$name" in
    # The program does not end by itself: once shot, the prefix's processes are stopped.
    main) SCREENSHOT_SETTLE=6 shoot main 0 "$build/app/tessellor.exe"; wineserver -k 2>/dev/null || true ;;
    support|product) shoot "$name" 8 "$build/tests/show_dialog.exe" "$name" 8 ;;
    *) echo "unknown screenshot: $name" >&2; exit 2 ;;
  esac
done
