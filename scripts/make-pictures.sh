#!/usr/bin/env bash
# Renders the About window's two pictures from their SVG sources in
# resources/pictures-src/ and writes them as baseline JPEGs:
#   resources/brelmont-logo.jpg  136 x 40  the maker's logo
#   resources/donate.jpg          62 x 31  the donation button
# and each again at twice the size for screens of high pixel density
# (brelmont-logo@2x.jpg 272 x 80, donate@2x.jpg 124 x 62), drawn from the
# same source rather than enlarged from the small one.
# All are drawn at their final size, so no scaling happens here. Chroma is
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

render() { # name width height [suffix]
  local name=$1 width=$2 height=$3 suffix=${4:-}
  local out=resources/$name$suffix.jpg
  rsvg-convert --width "$width" --height "$height" "$src/$name.svg" -o "$tmp/$name$suffix.png"
  "${im[@]}" "$tmp/$name$suffix.png" -background white -alpha remove -alpha off \
    -colorspace sRGB -type TrueColor -strip -interlace none -sampling-factor 1x1 \
    -quality 92 "$out"
  local size
  size=$("${id[@]}" -format '%wx%h' "$out")
  if [[ $size != "${width}x${height}" ]]; then
    echo "make-pictures: $out is $size, expected ${width}x${height}" >&2
    exit 1
  fi
  echo "$out ($size)"
}

render brelmont-logo 136 40
render donate 62 31
render brelmont-logo 272 80 @2x
render donate 124 62 @2x
