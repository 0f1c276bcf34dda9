#!/usr/bin/env bash
# Renders the application icon to PNG for the hicolor icon theme:
#   resources/icons/hicolor/<N>x<N>/apps/com.brelmont.Morvane.png
# for N = 16, 32, 48, 64, 128 and 256. The 16 px icon comes from the
# simplified, pixel-aligned resources/icons/morvane-16.svg; the others from
# resources/icons/morvane.svg, which is also installed as the scalable icon.
# Needs rsvg-convert (librsvg2-bin). The results are committed; run this
# again only after changing one of the two SVG files.
set -euo pipefail
cd "$(dirname "$0")/.."

app_id=com.brelmont.Morvane
icons=resources/icons

for size in 16 32 48 64 128 256; do
  source_svg=$icons/morvane.svg
  if ((size == 16)); then source_svg=$icons/morvane-16.svg; fi
  out=$icons/hicolor/${size}x${size}/apps/$app_id.png
  mkdir -p "$(dirname "$out")"
  rsvg-convert --width "$size" --height "$size" --format png "$source_svg" -o "$out"
  echo "$out"
done
