#!/usr/bin/env bash
# Installs what the build and the tests need on Debian or Ubuntu, and nothing when it is all there.
#   scripts/install-deps.sh            the toolchains, Wine (64-bit), Xvfb and the test tools
#   scripts/install-deps.sh --wine32   32-bit Wine, for running the 32-bit build's tests
set -euo pipefail

missing=()
i386=no
have() { command -v "$1" >/dev/null 2>&1; }
pkg_ok() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }

if [ "${1:-}" = --wine32 ]; then
  # Debian's wine32 brings the 32-bit loader; it is a package of the i386 architecture.
  [ -x /usr/lib/wine/wine ] || { missing+=(wine32:i386); i386=yes; }
else
  have "${TOOLCHAIN_PREFIX:-x86_64-w64-mingw32}-g++-posix" || missing+=(mingw-w64)
  have cmake || missing+=(cmake)
  have make || missing+=(make)
  have Xvfb || missing+=(xvfb)
  have wine || missing+=(wine)
  [ -x /usr/lib/wine/wine64 ] || missing+=(wine64)
  pkg_ok fonts-wine || missing+=(fonts-wine)
  # The information dialog's titles name Arial, which every Windows has; under Wine the face made
  # to its measures is Liberation Sans. Installed everywhere, so the tests, the screenshots and
  # `make run` all draw those titles with it, whatever other fonts the machine happens to have.
  pkg_ok fonts-liberation || missing+=(fonts-liberation)
  [ -f /usr/src/googletest/CMakeLists.txt ] || missing+=(googletest)
  have xwd || missing+=(x11-apps)
  # A stand-in `convert` may stand on the PATH: ask for the package itself.
  pkg_ok imagemagick || missing+=(imagemagick)
  have capsh || [ -x /usr/sbin/capsh ] || missing+=(libcap2-bin)
  # The end-to-end tests open saved pages in a real browser.
  have chromium || missing+=(chromium)
fi

[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then
  if have sudo; then SUDO="sudo"; else echo "Need root or sudo to install: ${missing[*]}" >&2; exit 1; fi
fi
if [ "$i386" = yes ] && ! dpkg --print-foreign-architectures | grep -qx i386; then
  $SUDO dpkg --add-architecture i386
fi
$SUDO apt-get update -q
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
