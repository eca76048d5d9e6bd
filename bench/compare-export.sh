#!/bin/sh
# One exported A4 page (four photographs in a 2 x 2 layout, 7000 x 9900 at
# quality 80) side by side with libvips doing the same work and with the
# libjpeg-turbo floor (djpeg of the four photographs at full size plus
# cjpeg -quality 80 of the page), whole processes, one after another:
#   bench/compare-export.sh DIR [ROUNDS] [velmora-bench]
# Needs the packages libjpeg-turbo-progs and libvips-tools.
set -e
dir=${1:?DIR}
rounds=${2:-3}
bench=${3:-$(dirname "$0")/../build/bin/velmora-bench}
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
export QT_QPA_PLATFORM=offscreen
"$bench" export "$dir" > /dev/null 2>&1 # makes the photographs when DIR has none
set -- $(ls "$dir"/*.jpg | head -4)
cat "$@" > /dev/null # into the page cache
# Frames of 100 x 143.5 mm at 0.03 mm a pixel; the landscape photographs lie
# turned in the upright frames, as the program lays them.
t() { /usr/bin/time -f "%e s wall, %U s user, %S s sys, %M KB peak" "$@"; }
cat > "$out/vips.sh" <<SCRIPT
i=0
for f in $*; do
  i=\$((i + 1))
  vips thumbnail "\$f" "$out/t\$i.v" 4783 --height 3333 --crop centre --size both
  vips rot "$out/t\$i.v" "$out/f\$i.v" d90
done
vips arrayjoin "$out/f1.v $out/f2.v $out/f3.v $out/f4.v" "$out/grid.v" --across 2
vips embed "$out/grid.v" "$out/vips.jpg[Q=80]" 167 167 7000 9900 --extend white
SCRIPT
cat > "$out/floor.sh" <<SCRIPT
for f in $*; do djpeg -outfile /dev/null "\$f"; done
cjpeg -quality 80 -outfile "$out/floor.jpg" "$out/page.ppm"
SCRIPT
# The page the floor encodes: the one libvips made, decoded outside the timing.
sh "$out/vips.sh"
djpeg -outfile "$out/page.ppm" "$out/vips.jpg"
for round in $(seq "$rounds"); do
  echo "round $round"
  printf 'velmora-bench export: '; t "$bench" export "$dir" 2>&1 | grep -v '^scale' | tr '\n' ' '; echo
  printf 'vips (4 x thumbnail+rot, arrayjoin, embed+save): '; t sh "$out/vips.sh" 2>&1
  printf 'floor (4 x djpeg, cjpeg -quality 80): '; t sh "$out/floor.sh" 2>&1
done
