#!/bin/sh
# The speed goals in one run, each ratio printed beside its goal:
#   bench/goals.sh [ROUNDS] [THUMBNAIL-DIR] [FOLDER-DIR] [velmora-bench] [HEIC-DIR]
# Export: an A4 page of four 24-megapixel photographs at quality 80, upright
# ones and landscape ones that the portrait frames turn, against the
# libjpeg-turbo floor (djpeg of the four photographs plus cjpeg -quality 80
# of the page) and a lean libvips pipeline (vips thumbnail --crop centre per
# frame, arrayjoin, embed; no rotation charged to it). The program's time is
# its own measurement of the export (files already read), the others are
# whole processes; rounds alternate, the best of each counts. Memory: the
# peak of the A4 export and of a 1000 x 1000 mm page. Colour: the page of
# Adobe RGB photographs against the same page untagged, in turn in one run. Thumbnails (when a
# folder of JPEGs is given): two worker threads against one, against
# vipsthumbnail --size 500 and djpeg -scale 1/8. First screen (when a
# folder is given, 300 photographs of 12 megapixels for the goal): the
# folder view's first screen of thumbnails with an empty shared thumbnail
# cache and again, in a fresh process, with the cache filled. HEIC (when a
# folder of them is given, 100 photographs of 12 megapixels for the goal):
# the selection list's previews (500 pixels wide) on two threads against
# heif-thumbnailer -s 500 making them one by one, wall and processor time.
# The machine's load (other processes) shows in every figure: run it on a
# quiet machine for the goals, and say how quiet it was.
# Needs the packages libjpeg-turbo-progs and libvips-tools (heif-thumbnailer
# for the HEIC goal).
set -e
rounds=${1:-3}
thumbs=${2:-}
folder=${3:-}
bench=${4:-$(dirname "$0")/../build/bin/velmora-bench}
heic=${5:-}
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
export QT_QPA_PLATFORM=offscreen
tmp=${TMPDIR:-/tmp}
now() { date +%s%N; }
ms() { echo $(( ($2 - $1) / 1000000 )); }
best() { sort -n | head -1; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
echo "load before: $(cut -d' ' -f1-3 /proc/loadavg) on $(nproc) cores"

for kind in upright turned adobe; do
  flag=; goal=1.2; dir=$tmp/velmora-export-$kind
  [ $kind = turned ] && flag=--turned
  # Upright photographs carrying an Adobe RGB (1998) profile, converted to
  # sRGB as they are decoded.
  [ $kind = adobe ] && flag=--adobe && goal=1.25 && dir=$tmp/velmora-export-upright-adobe
  "$bench" export $flag > /dev/null 2>&1 # makes the photographs when there are none
  set -- $(ls "$dir"/*.jpg | head -4)
  cat "$@" > /dev/null
  cat > "$out/vips.sh" <<SCRIPT
i=0
for f in $*; do
  i=\$((i + 1))
  vips thumbnail "\$f" "$out/f\$i.v" 3333 --height 4783 --crop centre --size both
done
vips arrayjoin "$out/f1.v $out/f2.v $out/f3.v $out/f4.v" "$out/grid.v" --across 2
vips embed "$out/grid.v" "$out/vips.jpg[Q=80]" 167 167 7000 9900 --extend white
SCRIPT
  sh "$out/vips.sh"
  djpeg -outfile "$out/page.ppm" "$out/vips.jpg"
  cat > "$out/floor.sh" <<SCRIPT
for f in $*; do djpeg -outfile /dev/null "\$f"; done
cjpeg -quality 80 -outfile "$out/floor.jpg" "$out/page.ppm"
SCRIPT
  : > "$out/v"; : > "$out/f"; : > "$out/p"; : > "$out/m"; : > "$out/c"; : > "$out/fc"
  # Each measurement starts with the files the one before wrote on the
  # disk (vips writes half a gigabyte a round): writing them back in the
  # background would take a core from the next.
  for round in $(seq "$rounds"); do
    sync
    line=$("$bench" export $flag | head -1)
    echo "$line" | sed 's/export: \([0-9]*\) ms.*/\1/' >> "$out/p"
    echo "$line" | sed 's/.*ms per page, \([0-9]*\) MB.*/\1/' >> "$out/m"
    echo "$line" | sed 's/.*, \([0-9]*\) ms processor time.*/\1/' >> "$out/c"
    sync
    s=$(now); sh "$out/vips.sh"; e=$(now); ms "$s" "$e" >> "$out/v"
    sync
    s=$(now); /usr/bin/time -f "%U %S" -o "$out/t" sh "$out/floor.sh"; e=$(now); ms "$s" "$e" >> "$out/f"
    awk '{ printf "%d\n", ($1 + $2) * 1000 }' "$out/t" >> "$out/fc"
  done
  p=$(best < "$out/p"); v=$(best < "$out/v"); f=$(best < "$out/f"); m=$(best < "$out/m")
  c=$(best < "$out/c"); fc=$(best < "$out/fc")
  echo "export $kind ($line): velmora $p ms, floor $f ms, vips $v ms"
  echo "  velmora / floor  $(ratio "$p" "$f")   goal <= $goal"
  echo "  vips / velmora   $(ratio "$v" "$p")   goal >= 2.5"
  echo "  processor time   velmora $c ms, floor $fc ms (user + system; steadier on a busy machine)"
  echo "  peak             $m MB   goal < 400"
done

# Colour: the Adobe RGB page against the same page of untagged photographs,
# each run exporting the two in turn (the best of five of each).
for round in $(seq "$rounds"); do
  "$bench" export --adobe | grep '^colour:'
done
echo "  adobe / untagged (wall, processor) in each run above   goal <= 1.15"

line=$("$bench" export --paper 1000x1000)
echo "export 1000 x 1000 mm: $line"
echo "  peak             $(echo "$line" | sed 's/.*ms per page, \([0-9]*\) MB.*/\1/') MB   goal < 1024"

if [ -n "$thumbs" ]; then
  n=$(ls "$thumbs"/*.jpg | wc -l)
  cat "$thumbs"/*.jpg > /dev/null
  : > "$out/t1"; : > "$out/t2"; : > "$out/d"; : > "$out/vt"
  for round in $(seq "$rounds"); do
    "$bench" thumbnails "$thumbs" 1 | sed 's/.*images, \([0-9]*\) ms.*/\1/' >> "$out/t1"
    "$bench" thumbnails "$thumbs" 2 | sed 's/.*images, \([0-9]*\) ms.*/\1/' >> "$out/t2"
    s=$(now); VIPS_CONCURRENCY=1 vipsthumbnail --size 500 -o "$out/%s.jpg" "$thumbs"/*.jpg; e=$(now); ms "$s" "$e" >> "$out/vt"
    s=$(now); for f in "$thumbs"/*.jpg; do djpeg -scale 1/8 -outfile /dev/null "$f"; done; e=$(now); ms "$s" "$e" >> "$out/d"
  done
  t1=$(best < "$out/t1"); t2=$(best < "$out/t2"); vt=$(best < "$out/vt"); d=$(best < "$out/d")
  echo "thumbnails, $n photographs: 1 thread $t1 ms, 2 threads $t2 ms, vipsthumbnail $vt ms, djpeg -scale 1/8 $d ms"
  echo "  2 threads / 1    $(ratio "$t1" "$t2") x   goal >= 1.9"
  echo "  vipsthumbnail / 1 thread  $(ratio "$vt" "$t1")   goal >= 1.3"
  echo "  1 thread / djpeg floor    $(ratio "$t1" "$d")   goal <= 1.1"
fi
if [ -n "$folder" ]; then
  cat "$folder"/*.jpg > /dev/null
  line=$("$bench" firstscreen "$folder" | tail -1)
  echo "$line"
  echo "  cold             $(echo "$line" | sed 's/.*, \([0-9]*\) ms cold.*/\1/') ms   goal < 800"
  echo "  cached           $(echo "$line" | sed 's/.*cold, \([0-9]*\) ms cached.*/\1/') ms   goal < 150"
fi
if [ -n "$heic" ]; then
  n=$(ls "$heic"/*.heic | wc -l)
  cat "$heic"/*.heic > /dev/null
  : > "$out/hv"; : > "$out/hh"
  # Wall and processor seconds of each, from time(1).
  for round in $(seq "$rounds"); do
    /usr/bin/time -f "%e %U %S" -a -o "$out/hv" "$bench" thumbnails "$heic" 2 > /dev/null
    /usr/bin/time -f "%e %U %S" -a -o "$out/hh" sh -c "for f in \"$heic\"/*.heic; do heif-thumbnailer -s 500 \"\$f\" \"$out/t.png\"; done"
  done
  pick() { awk '{ c = $2 + $3; if (NR == 1 || $1 < w) { w = $1; p = c } } END { printf "%.1f %.1f", w, p }' "$1"; }
  set -- $(pick "$out/hv") $(pick "$out/hh")
  echo "HEIC previews, $n photographs: velmora $1 s wall, $2 s processor; heif-thumbnailer $3 s wall, $4 s processor"
  echo "  heif-thumbnailer / velmora wall       $(ratio "$3" "$1")   goal >= 1"
  echo "  heif-thumbnailer / velmora processor  $(ratio "$4" "$2")"
fi
echo "load after: $(cut -d' ' -f1-3 /proc/loadavg) on $(nproc) cores"
