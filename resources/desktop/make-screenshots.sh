#!/bin/sh
# Makes the AppStream screenshots from the real program: a folder of made-up
# photos, the main window at 1600 x 1000 on a virtual screen, then the photos
# picked and laid out four to an A4 page.
# Needs xvfb-run, xdotool and ImageMagick (convert, import). Run as root, the
# photos lie in /home/velmora/Pictures/Holiday on an empty /home of a private
# mount namespace, so the folder tree shows nothing of the machine's homes.
#
# Usage: resources/desktop/make-screenshots.sh PROGRAM [OUTPUT_DIR] [LANGUAGE]
#   PROGRAM     build/bin/velmora or an installed .../bin/velmora
#   OUTPUT_DIR  default resources/desktop/screenshots
#   LANGUAGE    en (default) or ru; in Russian only the first picture is
#               made, as the clicks below find the English buttons.
set -eu
HERE=$(cd "$(dirname "$0")" && pwd)
PROGRAM=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
OUT=$(mkdir -p "${2:-$HERE/screenshots}" && cd "${2:-$HERE/screenshots}" && pwd)
LANGUAGE=${3:-en}
[ -x "$PROGRAM" ] || { echo "no program at $PROGRAM" >&2; exit 1; }
for tool in xvfb-run xdotool convert import; do
    command -v $tool >/dev/null 2>&1 || { echo "$tool not found" >&2; exit 1; }
done

if [ -n "${VELMORA_SHOTS_HOME:-}" ]; then
    WORK=$VELMORA_SHOTS_HOME
elif [ "$(id -u)" = 0 ] && [ "${PROGRAM#/home/}" = "$PROGRAM" ] && [ "${OUT#/home/}" = "$OUT" ] \
     && [ "${HERE#/home/}" = "$HERE" ] && unshare -m true 2>/dev/null; then
    export VELMORA_SHOTS_HOME=/home/velmora
    exec unshare -m sh -c 'mount -t tmpfs tmpfs /home && mkdir /home/velmora && exec sh "$0" "$@"' \
        "$0" "$PROGRAM" "$OUT" "$LANGUAGE"
else
    WORK=$(mktemp -d)
    trap 'rm -rf "$WORK"' EXIT
fi
export HOME="$WORK" XDG_CONFIG_HOME="$WORK/.config" XDG_DATA_HOME="$WORK/.local/share" \
       XDG_CACHE_HOME="$WORK/.cache" XDG_RUNTIME_DIR="$WORK/.runtime"
PHOTOS="$HOME/Pictures/Holiday"
mkdir -p "$PHOTOS" "$XDG_CONFIG_HOME/Tarnwick" "$HOME/Documents"
mkdir -m 700 "$XDG_RUNTIME_DIR"

# Landscapes of a sky, hills and a sun, some upright.
n=0
for photo in "1200x800 #87ceeb-#f4f9ff #2f7fd0 #f5a623" "800x1200 #ffd7a8-#fff6e8 #8a5a2b #e24a33" \
            "1200x800 #a8e6cf-#f1fff8 #2e8b57 #ffd700" "1200x900 #c7b8ea-#f8f4ff #5b3f8c #ff8c69" \
            "900x1200 #b0e0e6-#ffffff #236e96 #ffcf40" "1200x800 #f7c6c7-#fff5f5 #a83246 #ffa500"; do
    set -- $photo
    n=$((n + 1)); w=${1%x*}; h=${1#*x}
    convert -size "${w}x$h" gradient:"$2" -fill "$3" \
        -draw "polygon 0,$h 0,$((h*6/10)) $((w*3/10)),$((h*4/10)) $((w*5/10)),$((h*55/100)) $((w*7/10)),$((h*35/100)) $w,$((h*6/10)) $w,$h" \
        -fill "$4" -draw "circle $((w*3/4)),$((h/5)) $((w*3/4+w/16)),$((h/5))" -quality 90 "$PHOTOS/photo$n.jpg"
done
printf '[Settings]\nLanguage=%s\nShowStart=false\nFotoPath=%s\n' "$LANGUAGE" "$PHOTOS" \
    >"$XDG_CONFIG_HOME/Tarnwick/Velmora.conf"

cat >"$WORK/session.sh" <<'SESSION'
set -eu
"$PROGRAM" >/dev/null 2>&1 &
app=$!
window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Velmora' | head -1)
[ -n "$window" ] || { echo "the program showed no window" >&2; kill $app; exit 1; }
xdotool windowmove "$window" 0 0 windowsize "$window" 1600 1000
sleep 3 # thumbnails are made in the background
import -window root "$OUT/available$SUFFIX.png"
if [ "$LANGUAGE" = en ]; then
    # Available Images: "Select All", "Select for Printing"; the tool bar's
    # "Arrange on Layout"; in the layout chooser "4-100x144 mm" and OK.
    for spot in "381 147" "450 147" "386 53"; do
        xdotool mousemove $spot click 1
        sleep 1
    done
    xdotool mousemove 857 322 click 1 && sleep 1
    xdotool mousemove 947 781 click 1 && sleep 3
    xdotool mousemove 1599 999
    import -window root "$OUT/arranged$SUFFIX.png"
fi
kill $app
wait $app 2>/dev/null || true
SESSION
SUFFIX=$([ "$LANGUAGE" = en ] && echo "" || echo "-$LANGUAGE")
export PROGRAM OUT LANGUAGE SUFFIX
xvfb-run -a -s '-screen 0 1600x1000x24' sh "$WORK/session.sh"
# Smaller files, same pixels.
for f in "$OUT"/*"$SUFFIX".png; do
    convert "$f" -strip -define png:compression-level=9 "$f"
done
echo "screenshots written to $OUT"
