#!/usr/bin/env bash
# Installs every Debian package that the build, the tests and the benchmarks
# need. Idempotent: packages already installed are skipped, and the package
# lists are refreshed only when something is missing.
set -euo pipefail

packages=(
  # toolchain and build
  g++ cmake ninja-build pkg-config git
  # the format check of the sources
  clang-format
  # date core tests and benchmarks
  libgtest-dev libgmock-dev libbenchmark-dev libhowardhinnant-date-dev
  # the peer that the working days are tested against (numpy's busday_*)
  python3-numpy
  # holiday files: iCalendar files read with libical, and the peer that
  # recurrences are tested against (python3-dateutil's rrule)
  libical-dev python3-dateutil
  # the peer of morvane-calc's batch benchmark (bench/calc-throughput.sh)
  dateutils
  # the shells whose completions of morvane-calc the cli tests run
  zsh fish
  # a German locale that the cli tests make with localedef, and the C
  # library's German messages, for morvane-calc's system reasons in German
  locales libc-l10n
  # version resource, fixtures and the fuzzer; the linker and strip test
  # uses GNU ld, gold and strip (binutils), lld and llvm-objcopy (llvm)
  clang lld llvm libclang-rt-14-dev binutils
  # the program
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev libjpeg62-turbo-dev
  # its translations: lupdate and lrelease, Qt's CMake functions for them, and
  # Qt's own catalogs (qtbase_<language>.qm)
  qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
  # windows under a virtual display, and a window manager there; screenshots,
  # fonts (a Chinese and Japanese one for the translated windows' tests, and
  # Noto Sans CJK, which Chinese and Japanese Debian desktops draw in, for
  # the fit tests that measure with it)
  xvfb xauth openbox imagemagick fonts-dejavu-core fonts-wqy-microhei fonts-noto-cjk
  librsvg2-bin
  # monitors laid out side by side on the virtual display (xrandr)
  x11-xserver-utils
  # drags out of the main window under X11 with an accessibility client
  # reading it: the session bus, the accessibility bus, its Python client,
  # and a probe of pointer grabs
  dbus-daemon at-spi2-core python3-pyatspi python3-xlib
  # the X11 window check (xprop, xdotool) and the Wayland stages: a headless
  # weston, its module headers for the test seat, Qt's Wayland platform;
  # ps (procps), setpriv (util-linux) for the sessions' processes
  x11-utils xdotool weston libweston-10-dev qt6-wayland procps util-linux
  # the GNOME and Plasma stages: GNOME's compositor mutter, with Xwayland for
  # the X display a GNOME session offers beside Wayland; Plasma's KWin with
  # the Breeze title bar Plasma draws; a private session bus for each
  # (dbus-daemon); and for the keyboard helper of both, KWin's fake-input
  # protocol and the Wayland client library and scanner
  mutter xwayland kwin-wayland kwin-style-breeze dbus-daemon plasma-wayland-protocols
  libwayland-dev libwayland-bin
  # desktop integration checks and packaging
  desktop-file-utils appstream dpkg-dev file
  # the Windows build (mingw-w64, GoogleTest from source) and wine to run its tests
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 googletest
  wine wine64
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed$'; then
    missing+=("$p")
  fi
done

if ((${#missing[@]})); then
  echo "setup: installing ${missing[*]}"
  sudo_cmd=()
  if [[ $(id -u) -ne 0 ]]; then sudo_cmd=(sudo); fi
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -qq
  "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
