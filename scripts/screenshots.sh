#!/usr/bin/env bash
# Renders both panels of the main window, with fixed dates and a few amounts
# filled in, under a virtual X display (Xvfb, 96 dpi) to docs/main-difference.png
# and docs/main-new-date.png, the About window to docs/about.png and the
# difference panel of the German program (German texts and dates) to
# docs/main-difference-de.png; then the English ones at twice the pixel
# density (QT_SCALE_FACTOR=2 on a display twice the size) to
# docs/main-difference@2x.png, docs/main-new-date@2x.png and docs/about@2x.png.
#   scripts/screenshots.sh          both densities
#   scripts/screenshots.sh --2x     only the double-density pictures
set -euo pipefail
cd "$(dirname "$0")/.."

normal=1
if [[ ${1:-} == --2x ]]; then normal=0; fi

# The screenshot tools (tools/shots) are built only when asked for.
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMORVANE_BUILD_TOOLS=ON > /dev/null
cmake --build build -j 2 --target morvane_shots morvane_about_shot
mkdir -p docs
export LANG=C.UTF-8 LC_ALL=C.UTF-8
x11=(bash tests/run-in-session.sh x11 --size 1024x768 --)
x11_double=(bash tests/run-in-session.sh x11 --size 2048x1536 --)
if ((normal)); then
  "${x11[@]}" build/tools/shots/morvane_shots docs
  "${x11[@]}" build/tools/shots/morvane_about_shot docs/about.png
  german=$(mktemp -d)
  env -u LC_ALL LANGUAGE=de LANG=de_DE.UTF-8 "${x11[@]}" build/tools/shots/morvane_shots "$german"
  mv "$german/main-difference.png" docs/main-difference-de.png
  rm -r "$german"
fi
# Qt's own scaling, so fonts, controls and pictures are drawn for two device
# pixels to the pixel rather than enlarged afterwards.
QT_SCALE_FACTOR=2 "${x11_double[@]}" build/tools/shots/morvane_shots docs @2x
QT_SCALE_FACTOR=2 "${x11_double[@]}" build/tools/shots/morvane_about_shot docs/about@2x.png
