#!/bin/sh
# Renders every SVG in this folder to ../images/<name>.png.
# Needs rsvg-convert (Debian package librsvg2-bin) and the DejaVu fonts
# (fonts-dejavu-core). The build uses the committed PNGs only.
#
# Usage: resources/icons-src/render.sh [output-dir]
set -eu
SRC=$(cd "$(dirname "$0")" && pwd)
OUT=${1:-"$SRC/../images"}
mkdir -p "$OUT"
command -v rsvg-convert >/dev/null 2>&1 || {
    echo "rsvg-convert not found (apt-get install librsvg2-bin)" >&2; exit 1; }

for svg in "$SRC"/*.svg; do
    name=$(basename "$svg" .svg)
    # Pictures with their own size (splash, placeholder, sample photo) keep
    # it; every tool-bar / menu icon is drawn on a 64x64 canvas.
    rsvg-convert -o "$OUT/$name.png" "$svg"
done
echo "rendered $(ls "$SRC"/*.svg | wc -l) pictures into $OUT"
