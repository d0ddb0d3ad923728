#!/usr/bin/env bash
# Takes screenshots of the program's windows into BUILD/screenshots/NAME.png. Each program runs in
# a Wine virtual desktop, which draws window frames where there is no window manager; the desktop is
# grabbed once the window has appeared and stopped changing. Needs an X display
# (scripts/with-display.sh).
#   scripts/screenshots.sh BUILD [NAME...]     names: main support product (default: all)
set -euo pipefail
build="$(cd "${1:?usage: screenshots.sh BUILD [NAME...]}" && pwd)"
shift
here="$(cd "$(dirname "$0")" && pwd)"
export WINEPREFIX="${WINEPREFIX:-$build/wineprefix}"
out="$build/screenshots"
mkdir -p "$out"
desktop=1024x768
# How long a window may take to appear and settle on a busy machine.
timeout="${SCREENSHOT_TIMEOUT:-90}"

# The virtual desktop's part of the screen, as a PPM file.
grab() {
  if command -v import >/dev/null 2>&1; then
    import -window root -crop "$desktop+0+0" +repage "ppm:$1"
  else
    xwd -root -silent | convert xwd:- -crop "$desktop+0+0" +repage "ppm:$1"
  fi
}

# settle FILE: grabs the desktop once a window shows on it (more colours than the bare desktop)
# and two grabs a second apart are the same.
settle() {
  local file="$1" previous="" sum colours waited=0
  while [ "$waited" -lt "$timeout" ]; do
    sleep 1
    waited=$((waited + 1))
    grab "$file"
    sum=$(md5sum < "$file")
    colours=$(convert "$file" -format %k info:)
    if [ "$colours" -gt 16 ] && [ "$sum" = "$previous" ]; then return 0; fi
    previous="$sum"
  done
  echo "the window did not settle within $timeout seconds" >&2
  return 1
}

# shoot NAME PROGRAM [ARGS...]: runs the program on a virtual desktop, shoots it, then stops the
# prefix's processes, all of which this script started.
shoot() {
  local name="$1"
  shift
  "$here/wine" explorer "/desktop=shot-$name,$desktop" "$@" >/dev/null 2>&1 &
  local pid=$!
  local shot="$out/$name.ppm" result=0
  if settle "$shot"; then
    convert "$shot" "$out/$name.png"
    echo "$out/$name.png"
  else
    result=1
  fi
  rm -f "$shot"
  wineserver -k 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  return "$result"
}

names=("$@")
[ ${#names[@]} -gt 0 ] || names=(main support product)
for name in "${names[@]}"; do
  case "$name" in
    main) shoot main "$build/app/tessellor.exe" ;;
    # The dialog closes itself after the given seconds; it is stopped once shot.
    support|product) shoot "$name" "$build/tests/show_dialog.exe" "$name" "$timeout" ;;
    *) echo "unknown screenshot: $name" >&2; exit 2 ;;
  esac
done
