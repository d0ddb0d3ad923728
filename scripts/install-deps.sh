#!/usr/bin/env bash
# Installs on Debian or Ubuntu what one kind of work needs, and nothing when it is all there.
#   scripts/install-deps.sh program      the cross compilers (both architectures), CMake 3.24 or
#                                        later, and make: what building the programs needs
#   scripts/install-deps.sh build        what `program` needs, and GoogleTest's sources: what
#                                        building everything, the tests too, needs
#   scripts/install-deps.sh run          Wine (64-bit) and the fonts the windows are laid out for
#   scripts/install-deps.sh screenshots  what `run` needs, and Xvfb and the screenshot and image tools
#   scripts/install-deps.sh test         what `screenshots` needs, and capsh and a browser for the tests
#   scripts/install-deps.sh wine32       32-bit Wine, for running the 32-bit build
set -euo pipefail

missing=()
i386=no
check_cmake=no
have() { command -v "$1" >/dev/null 2>&1; }
pkg_ok() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }

need_program() {
  have x86_64-w64-mingw32-g++-posix && have i686-w64-mingw32-g++-posix || missing+=(mingw-w64)
  have cmake || missing+=(cmake)
  have make || missing+=(make)
  check_cmake=yes
}

need_build() {
  need_program
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

need_screenshots() {
  need_run
  have Xvfb || missing+=(xvfb)
  have xwd || missing+=(x11-apps)
  # A stand-in `convert` may stand on the PATH: ask for the package itself.
  pkg_ok imagemagick || missing+=(imagemagick)
}

need_test() {
  need_screenshots
  have capsh || [ -x /usr/sbin/capsh ] || missing+=(libcap2-bin)
  # The end-to-end tests open saved pages in a real browser.
  have chromium || missing+=(chromium)
}

# The build needs CMake 3.24 or later (see CMakeLists.txt); Debian 12 has 3.25, older systems less.
cmake_new_enough() {
  local version
  version="$(cmake --version | sed -nE '1s/^cmake version ([0-9.]+).*/\1/p')"
  printf '3.24\n%s\n' "$version" | sort -V -C && return 0
  echo "This machine has CMake ${version:-of an unknown version}; building Tessellor needs CMake 3.24 or later" \
       "(Debian 12 has 3.25): install a newer CMake and try again." >&2
  return 1
}

case "${1:-}" in
  program) need_program ;;
  build) need_build ;;
  run) need_run ;;
  screenshots) need_screenshots ;;
  test) need_test ;;
  # Debian's wine32 brings the 32-bit loader; it is a package of the i386 architecture.
  wine32) [ -x /usr/lib/wine/wine ] || { missing+=(wine32:i386); i386=yes; } ;;
  *) echo "usage: install-deps.sh program|build|run|screenshots|test|wine32" >&2; exit 2 ;;
esac

if [ ${#missing[@]} -gt 0 ]; then
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
fi
[ "$check_cmake" = no ] || cmake_new_enough
