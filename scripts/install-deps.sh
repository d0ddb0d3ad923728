#!/usr/bin/env bash
# Installs on Debian or Ubuntu what one kind of work needs, and nothing when it is all there.
#   scripts/install-deps.sh build    the cross compilers, CMake, make and GoogleTest's sources
#   scripts/install-deps.sh run      Wine (64-bit) and the fonts the windows are laid out for
#   scripts/install-deps.sh test     what `run` needs, and Xvfb, the screenshot and image tools,
#                                    capsh and a browser for the tests
#   scripts/install-deps.sh wine32   32-bit Wine, for running the 32-bit build
# TOOLCHAIN_PREFIX names the compiler that `build` looks for (x86_64-w64-mingw32 by default).
set -euo pipefail

missing=()
i386=no
have() { command -v "$1" >/dev/null 2>&1; }
pkg_ok() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }

need_build() {
  have "${TOOLCHAIN_PREFIX:-x86_64-w64-mingw32}-g++-posix" || missing+=(mingw-w64)
  have cmake || missing+=(cmake)
  have make || missing+=(make)
  [ -f /usr/src/googletest/CMakeLists.txt ] || missing+=(googletest)
}

need_run() {
  have wine || missing+=(wine)
  [ -x /usr/lib/wine/wine64 ] || missing+=(wine64)
  pkg_ok fonts-wine || missing+=(fonts-wine)
  # The information dialog's titles name Arial, which every Windows has; under Wine the face made
  # to its measures is Liberation Sans. Installed everywhere, so the tests, the screenshots and
  # `make run` all draw those titles with it, whatever other fonts the machine happens to have.
  pkg_ok fonts-liberation || missing+=(fonts-liberation)
}

need_test() {
  need_run
  have Xvfb || missing+=(xvfb)
  have xwd || missing+=(x11-apps)
  # A stand-in `convert` may stand on the PATH: ask for the package itself.
  pkg_ok imagemagick || missing+=(imagemagick)
  have capsh || [ -x /usr/sbin/capsh ] || missing+=(libcap2-bin)
  # The end-to-end tests open saved pages in a real browser.
  have chromium || missing+=(chromium)
}

case "${1:-}" in
  build) need_build ;;
  run) need_run ;;
  test) need_test ;;
  # Debian's wine32 brings the 32-bit loader; it is a package of the i386 architecture.
  wine32) [ -x /usr/lib/wine/wine ] || { missing+=(wine32:i386); i386=yes; } ;;
  *) echo "usage: install-deps.sh build|run|test|wine32" >&2; exit 2 ;;
esac

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
