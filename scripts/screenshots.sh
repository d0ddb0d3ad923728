#!/usr/bin/env bash
# Takes screenshots of the program's windows into BUILD/screenshots/NAME.png. Each program runs in
# a Wine virtual desktop, which draws window frames where there is no window manager; the desktop is
# grabbed once the window has appeared and stopped changing. Needs an X display
# (scripts/with-display.sh). The names ending in -144 shoot the window on a screen of 144 pixels per
# inch (the prefix's setting, set back afterwards), on a larger desktop. The programs run from a
# folder of their own, without settings (not with those that `make run` keeps beside the build's
# programs), and start among the sample images, as at a first start.
#   scripts/screenshots.sh BUILD [NAME...]
#     names: main support product controls, and each with -144 (default: all)
set -euo pipefail
build="$(cd "${1:?usage: screenshots.sh BUILD [NAME...]}" && pwd)"
shift
here="$(cd "$(dirname "$0")" && pwd)"
export WINEPREFIX="${WINEPREFIX:-$build/wineprefix}"
out="${screenshot_dir:-$build/screenshots}"
mkdir -p "$out"
desktop="${desktop:-1024x768}"
wide_desktop=1280x1024
# How long a window may take to appear and settle on a busy machine.
timeout="${SCREENSHOT_TIMEOUT:-90}"
programs="$build/screenshot-programs"
rm -rf "$programs"
mkdir -p "$programs"
cp "$build/app/tessellor.exe" "$build/app/tessellor-controls.exe" "$programs/"

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
  (cd "$build/samples" && exec "$here/wine" explorer "/desktop=shot-$name,$desktop" "$@" >/dev/null 2>&1) &
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

# shoot_window NAME: the main window, tessellor-controls' window or one dialog (which closes itself after the given seconds;
# it is stopped once shot).
shoot_window() {
  case "$1" in
    main) shoot "$1" "$programs/tessellor.exe" ;;
    controls) shoot "$1" "$programs/tessellor-controls.exe" ;;
    support|product) shoot "$1" "$build/tests/show_dialog.exe" "$1" "$timeout" ;;
  esac
}

names=("$@")
[ ${#names[@]} -gt 0 ] || names=(main support product controls main-144 support-144 product-144 controls-144)
for name in "${names[@]}"; do
  case "$name" in
    main|support|product|controls) shoot_window "$name" ;;
    main-144|support-144|product-144|controls-144)
      desktop="$wide_desktop" screenshot_dir="$out/144" "$here/at-pixels-per-inch.sh" 144 "$0" "$build" \
        "${name%-144}" >/dev/null || exit 1
      mv "$out/144/${name%-144}.png" "$out/$name.png"
      rmdir "$out/144" 2>/dev/null || true
      echo "$out/$name.png" ;;
    *) echo "unknown screenshot: $name" >&2; exit 2 ;;
  esac
done
