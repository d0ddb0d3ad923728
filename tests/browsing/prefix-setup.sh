#!/usr/bin/env bash
# Adds the drives that the browsing tests choose from to the test prefix (idempotent):
#   m: removable          n: CD-ROM labelled PHOTOS (with an Album folder)
#   p: network drive      q: CD-ROM that is not ready (its link points nowhere)
#   r: RAM disk, holding names that differ only in letter case
#   o: a plain drive whose link points nowhere (no root directory: not listed)
# Their folders live in the build folder, beside the prefix.
set -euo pipefail
: "${WINEPREFIX:?set WINEPREFIX to the prefix in the build folder}"
here="$(cd "$(dirname "$0")" && pwd)"
wine="$here/../../scripts/wine"
drives="$(dirname "$WINEPREFIX")/test-drives"
stamp="$WINEPREFIX/.browsing-drives-1"

mkdir -p "$drives/removable" "$drives/photos/Album" "$drives/share" "$drives/ram"
printf 'PHOTOS\n' > "$drives/photos/.windows-label"
printf 'SHARE\n' > "$drives/share/.windows-label"
: > "$drives/photos/Album/beach.jpg"
: > "$drives/photos/Album/harbour.gif"
# Names that differ only in letter case, which a Windows program cannot make itself.
mkdir -p "$drives/ram/case/Photos" "$drives/ram/case/photos"
: > "$drives/ram/case/Same.gif"
: > "$drives/ram/case/same.GIF"
rm -rf "$drives/missing"

link() { ln -sfn "$2" "$WINEPREFIX/dosdevices/$1"; }
link m: "$drives/removable"
link n: "$drives/photos"
link p: "$drives/share"
link q: "$drives/missing"
link r: "$drives/ram"
link o: "$drives/missing"

[ -f "$stamp" ] && exit 0
for entry in m:floppy n:cdrom p:network q:cdrom r:ramdisk o:hd; do
  "$wine" reg add 'HKLM\Software\Wine\Drives' /v "${entry%%:*}:" /d "${entry#*:}" /f "${WINE_REG_VIEW:-/reg:64}" >/dev/null 2>&1
done
wineserver -k || true
wineserver -w || true
touch "$stamp"
