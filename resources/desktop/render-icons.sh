#!/bin/sh
# Renders the program's icon (../icons-src/icon32.svg, also installed as the
# scalable icon) to the PNG sizes the desktop asks for, into icons/<size>.png.
# Needs rsvg-convert (Debian package librsvg2-bin). The build installs the
# committed PNGs only.
#
# Usage: resources/desktop/render-icons.sh
set -eu
HERE=$(cd "$(dirname "$0")" && pwd)
SVG="$HERE/../icons-src/icon32.svg"
command -v rsvg-convert >/dev/null 2>&1 || {
    echo "rsvg-convert not found (apt-get install librsvg2-bin)" >&2; exit 1; }
mkdir -p "$HERE/icons"
for size in 16 22 24 32 48 64 128 256; do
    rsvg-convert -w "$size" -h "$size" -o "$HERE/icons/$size.png" "$SVG"
done
echo "rendered the icon in 8 sizes into $HERE/icons"
