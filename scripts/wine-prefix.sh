#!/usr/bin/env bash
# Makes the project's own Wine prefix (WINEPREFIX, inside the build folder) on first use.
#   scripts/wine-prefix.sh           the prefix that `make run` uses: the machine's own drives
#   scripts/wine-prefix.sh --tests   the tests' prefix: unmanaged test windows, and what each test
#                                    folder's prefix-setup.sh adds (extra drives, for example)
set -euo pipefail
tests=false
[ "${1:-}" = --tests ] && tests=true
: "${WINEPREFIX:?set WINEPREFIX to the prefix in the build folder}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$WINEPREFIX"
  echo "Making the Wine prefix $WINEPREFIX"
  "$(dirname "$0")/wine" wineboot --init >/dev/null 2>&1
  wineserver -w
fi
# A new prefix draws "MS Sans Serif" with a wider scalable font, which cuts the captions off, and
# draws the title-bar buttons as letters. Wine's own raster MS Sans Serif and its Marlett (Debian's
# fonts-wine) give the windows the fonts they are laid out for; prefixes made earlier get them too.
wine_fonts=/usr/share/wine/fonts
prefix_fonts="$WINEPREFIX/drive_c/windows/Fonts"
mkdir -p "$prefix_fonts"
for font in sserife.fon marlett.ttf; do
  if [ ! -f "$wine_fonts/$font" ]; then
    echo "Missing $wine_fonts/$font (Debian package fonts-wine)" >&2
    exit 1
  fi
  cmp -s "$wine_fonts/$font" "$prefix_fonts/$font" || cp "$wine_fonts/$font" "$prefix_fonts/$font"
done
# The raster MS Sans Serif is drawn at 96 pixels per inch only; on any other screen Wine picks a
# face by itself, which may be too wide for the captions. Liberation Sans (Debian's
# fonts-liberation), with Arial's widths, fits them at 120, 144 and 192. A replacement applies only
# where the named family is missing, so 96 keeps the raster face. (Not Wine's own Tahoma: with it
# in the prefix, Wine draws every title bar and menu in Tahoma, at 96 too.)
[ -f /usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf ] ||
  echo "Note: without Liberation Sans (fonts-liberation), screens above 96 pixels per inch may cut captions" >&2
if ! grep -q '^"MS Sans Serif"="Liberation Sans"' "$WINEPREFIX/user.reg" 2>/dev/null; then
  "$(dirname "$0")/wine" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'MS Sans Serif' /d 'Liberation Sans' /f \
    >/dev/null 2>&1
  wineserver -w
fi
$tests || exit 0
# Test programs run under Xvfb without a window manager, where Wine waits two seconds for every
# managed window it hides. Their windows need no manager: Wine lets them be unmanaged.
build_dir="$(dirname "$WINEPREFIX")"
regfile="$build_dir/unmanaged.reg"
{
  printf 'REGEDIT4\n\n'
  for exe in "$build_dir"/tests/*.exe "$build_dir"/bench/*.exe; do
    [ -e "$exe" ] || continue
    printf '[HKEY_CURRENT_USER\\Software\\Wine\\AppDefaults\\%s\\X11 Driver]\n"Managed"="N"\n\n' "$(basename "$exe")"
  done
} > "$regfile.new"
if ! cmp -s "$regfile.new" "$regfile"; then
  unix_path="$regfile.new"
  "$(dirname "$0")/wine" regedit /S "Z:${unix_path//\//\\}" >/dev/null 2>&1
  wineserver -w
  mv "$regfile.new" "$regfile"
else
  rm -f "$regfile.new"
fi
# Each test folder may bring a script that adds what its tests need to the prefix (drives, for
# example). WINE_REG_VIEW tells them the registry view that the prefix's own loader reads, for
# `reg add ... $WINE_REG_VIEW`: the 64-bit one of a 64-bit prefix (which keeps its 32-bit
# programs' keys apart), the only one of a 32-bit prefix.
if head -n 10 "$WINEPREFIX/system.reg" | grep -qx '#arch=win32'; then
  export WINE_REG_VIEW=/reg:32
else
  export WINE_REG_VIEW=/reg:64
fi
for hook in "$(dirname "$0")"/../tests/*/prefix-setup.sh; do
  [ -x "$hook" ] && "$hook"
done
exit 0
