#!/usr/bin/env bash
# Renders the About window's two pictures from their SVG sources in
# resources/pictures-src/ and writes them as baseline JPEGs:
#   resources/brelmont-logo.jpg  136 x 40  the maker's logo
#   resources/donate.jpg          62 x 31  the donation button
# Both are drawn at their final size, so no scaling happens here. Chroma is
# kept at full resolution (4:4:4) so the small coloured text stays crisp.
# Needs rsvg-convert (librsvg2-bin), ImageMagick and the DejaVu fonts.
# The results are committed; run this again only after changing a source.
set -euo pipefail
cd "$(dirname "$0")/.."

# ImageMagick 7 names its tools "magick"; version 6 has convert and identify.
if command -v magick >/dev/null 2>&1; then
  im=(magick) id=(magick identify)
else
  im=(convert) id=(identify)
fi
src=resources/pictures-src
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

render() { # name width height
  local name=$1 width=$2 height=$3
  rsvg-convert --width "$width" --height "$height" "$src/$name.svg" -o "$tmp/$name.png"
  "${im[@]}" "$tmp/$name.png" -background white -alpha remove -alpha off \
    -colorspace sRGB -type TrueColor -strip -interlace none -sampling-factor 1x1 \
    -quality 92 "resources/$name.jpg"
  local size
  size=$("${id[@]}" -format '%wx%h' "resources/$name.jpg")
  if [[ $size != "${width}x${height}" ]]; then
    echo "make-pictures: resources/$name.jpg is $size, expected ${width}x${height}" >&2
    exit 1
  fi
  echo "resources/$name.jpg ($size)"
}

render brelmont-logo 136 40
render donate 62 31
