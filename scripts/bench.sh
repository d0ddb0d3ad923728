#!/usr/bin/env bash
# Makes the benchmark's test directories on the Linux side, copies the programs it starts, and runs
# the benchmark program on them. Making the files here costs a moment; made one by one from the
# Windows side each new name is checked against the whole directory, which takes minutes.
#   scripts/bench.sh BUILD      (needs an X display: scripts/with-display.sh)
set -euo pipefail
build="$(cd "${1:?usage: bench.sh BUILD}" && pwd)"
here="$(cd "$(dirname "$0")" && pwd)"
export WINEPREFIX="${WINEPREFIX:-$build/wineprefix}"
data="$build/bench-data"

# Z:\ path of a Linux path, as the programs see it.
windows_path() { local p="Z:$1"; printf '%s' "${p//\//\\}"; }

# images DIR COUNT: COUNT empty image files in a scrambled order, half GIF and half JPG, in mixed
# letter case. Kept between runs while the count is right.
images() {
  local dir="$1" count="$2"
  if [ -d "$dir" ] && [ "$(find "$dir" -maxdepth 1 -type f | wc -l)" -eq "$count" ]; then return; fi
  rm -rf "$dir" && mkdir -p "$dir"
  (cd "$dir" && awk -v n="$count" 'BEGIN { for (i = 0; i < n; ++i) { k = (i * 7919) % n;
      printf "%s%06d.%s\n", (k % 3) ? "img" : "IMG", k, (k % 2) ? "gif" : "JPG" } }' | xargs touch)
}

# subdirs DIR COUNT: COUNT subdirectories in mixed letter case.
subdirs() {
  local dir="$1" count="$2"
  if [ -d "$dir" ] && [ "$(find "$dir" -mindepth 1 -maxdepth 1 -type d | wc -l)" -eq "$count" ]; then return; fi
  rm -rf "$dir" && mkdir -p "$dir"
  (cd "$dir" && awk -v n="$count" 'BEGIN { for (i = 0; i < n; ++i) { k = (i * 7919) % n;
      printf "%s%05d\n", (k % 3) ? "folder" : "Folder", k } }' | xargs mkdir)
}

images "$data/images-10000" 10000
images "$data/images-100000" 100000
images "$data/images-1000000" 1000000
images "$data/startup-1000" 1000
subdirs "$data/subdirs-10000" 10000
mkdir -p "$data/empty"

# programs DIR DEFAULT: the programs that the start-up rows start, side by side, with the settings
# the real program reads, whose default directory is DEFAULT.
programs() {
  mkdir -p "$1"
  cp "$build/app/tessellor.exe" "$1/tessellor.exe"
  cp "$build/bench/floor_window/floor_window.exe" "$1/floor_window.exe"
  cp "$build/bench/floor_list/floor_list.exe" "$1/floor_list.exe"
  printf '[Tessellor]\r\nCarriageReturn=1\r\nImageName=1\r\nImageBorder=1\r\nDefaultDir=%s\r\n' \
    "$(windows_path "$2")" > "$1/tessellor.ini"
}
programs "$data/program" "$data/startup-1000"
programs "$data/program-memory" "$data/images-1000000"

"$here/wine" "$build/bench/tessellor_bench.exe" \
  --images 10000 "$(windows_path "$data/images-10000")" \
  --images 100000 "$(windows_path "$data/images-100000")" \
  --images 1000000 "$(windows_path "$data/images-1000000")" \
  --open 100000 \
  --subdirs 10000 "$(windows_path "$data/subdirs-10000")" \
  --startup 1000 "$(windows_path "$data/startup-1000")" \
  --empty "$(windows_path "$data/empty")" \
  --memory 1000000 "$(windows_path "$data/images-1000000")" \
  --program "$(windows_path "$data/program")" \
  --memory-program "$(windows_path "$data/program-memory")" \
  --page "$(windows_path "$data/page.html")" \
  2> >(grep -v 'FS volume label and serial are not available' >&2)
# Let the prefix's processes end before the display they use goes away.
wineserver -w 2>/dev/null || true
