#!/usr/bin/env bash
# Renders both panels of the main window, with fixed dates and a few amounts
# filled in, under a virtual X display (Xvfb, 96 dpi) to docs/main-difference.png
# and docs/main-new-date.png, and the About window to docs/about.png.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build build -j 2 --target morvane_shots morvane_about_shot
mkdir -p docs
LANG=C.UTF-8 LC_ALL=C.UTF-8 QT_QPA_PLATFORM=xcb \
  xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" build/ui/morvane_shots docs
LANG=C.UTF-8 LC_ALL=C.UTF-8 QT_QPA_PLATFORM=xcb \
  xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" build/ui/morvane_about_shot docs/about.png
