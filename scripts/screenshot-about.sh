#!/usr/bin/env bash
# Renders the About window on a virtual X display (Xvfb, 96 dots per inch)
# and writes it to docs/about.png.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j 2 --target about_screenshot
mkdir -p docs
env -u QT_QPA_PLATFORM QT_QPA_PLATFORM=xcb \
  xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" \
  build/tests/ui/about_screenshot docs/about.png
