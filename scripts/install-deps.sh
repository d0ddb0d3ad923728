#!/usr/bin/env bash
# Installs what the build and the tests need on Debian or Ubuntu, and nothing when it is all there.
set -euo pipefail

missing=()
have() { command -v "$1" >/dev/null 2>&1; }
pkg_ok() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }

have "${TOOLCHAIN_PREFIX:-x86_64-w64-mingw32}-g++-posix" || missing+=(mingw-w64)
have cmake || missing+=(cmake)
have make || missing+=(make)
have Xvfb || missing+=(xvfb)
have wine || missing+=(wine)
[ -x /usr/lib/wine/wine64 ] || missing+=(wine64)
pkg_ok fonts-wine || missing+=(fonts-wine)
[ -f /usr/src/googletest/CMakeLists.txt ] || missing+=(googletest)
have xwd || missing+=(x11-apps)
have convert || missing+=(imagemagick)
# The end-to-end tests open saved pages in a real browser.
have chromium || missing+=(chromium)

[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then
  if have sudo; then SUDO="sudo"; else echo "Need root or sudo to install: ${missing[*]}" >&2; exit 1; fi
fi
$SUDO apt-get update -q
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
