#!/usr/bin/env bash
# Renders the application icon to PNG for the hicolor icon theme:
#   resources/icons/hicolor/<N>x<N>/apps/com.brelmont.Morvane.png
# for each size N of MORVANE_ICON_SIZES in resources/CMakeLists.txt (the
# build installs and compiles in the same sizes). The 16 px icon comes from the
# simplified, pixel-aligned resources/icons/morvane-16.svg; the others from
# resources/icons/morvane.svg, which is also installed as the scalable icon.
# Needs rsvg-convert (librsvg2-bin). The results are committed; run this
# again only after changing one of the two SVG files.
set -euo pipefail
cd "$(dirname "$0")/.."

app_id=com.brelmont.Morvane
icons=resources/icons
sizes=$(sed -n 's/^set(MORVANE_ICON_SIZES \([0-9 ]*\))$/\1/p' resources/CMakeLists.txt)
if [[ -z $sizes ]]; then
  echo "make-icons: no MORVANE_ICON_SIZES in resources/CMakeLists.txt" >&2
  exit 1
fi

for size in $sizes; do
  source_svg=$icons/morvane.svg
  if ((size == 16)); then source_svg=$icons/morvane-16.svg; fi
  out=$icons/hicolor/${size}x${size}/apps/$app_id.png
  mkdir -p "$(dirname "$out")"
  rsvg-convert --width "$size" --height "$size" --format png "$source_svg" -o "$out"
  echo "$out"
done
