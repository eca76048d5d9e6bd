#!/bin/sh
# Preview decoding side by side, one thread each, on the JPEGs of DIR:
#   bench/compare-thumbnails.sh DIR [ROUNDS] [velmora-bench]
# libjpeg-turbo's floor (djpeg -scale 1/8), libvips (vipsthumbnail --size 500)
# and the program's own decoding (the selection list's ThumbnailScheduler:
# its pool, its batches, the rows drawn) on 1 and 2 threads.
# Needs the packages libjpeg-turbo-progs and libvips-tools.
set -e
dir=${1:?DIR}
rounds=${2:-3}
bench=${3:-$(dirname "$0")/../build/bin/velmora-bench}
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
ms() { echo $(( ($2 - $1) / 1000000 )); }
cat "$dir"/*.jpg > /dev/null # into the page cache
n=$(ls "$dir"/*.jpg | wc -l)
for round in $(seq "$rounds"); do
  s=$(date +%s%N)
  for f in "$dir"/*.jpg; do djpeg -scale 1/8 -outfile /dev/null "$f"; done
  e=$(date +%s%N)
  echo "djpeg -scale 1/8: $n images, $(ms "$s" "$e") ms"
  s=$(date +%s%N)
  VIPS_CONCURRENCY=1 vipsthumbnail --size 500 -o "$out/%s.jpg" "$dir"/*.jpg
  e=$(date +%s%N)
  echo "vipsthumbnail --size 500: $n images, $(ms "$s" "$e") ms"
  QT_QPA_PLATFORM=offscreen "$bench" thumbnails "$dir" 1 2>/dev/null
  QT_QPA_PLATFORM=offscreen "$bench" thumbnails "$dir" 2 2>/dev/null
done
