#!/bin/sh
# Remakes the screenshots of the help pages (Help_en/images, Help_ru/images)
# from the real program, in English and in Russian.
#
#   resources/help/make-screenshots.sh [path/to/velmora]
#
# The program (default: build/bin/velmora) runs on a virtual screen with its
# own settings, home and photos in a temporary folder, so the user's own
# settings are never read or changed. It is driven with the keyboard and the
# mouse; buttons are found by their icons (resources/images), not by fixed
# places, so the pictures can be remade after the window changes.
#
# Needs: xvfb-run (packages xvfb, xauth), xdotool, ImageMagick.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
program=$(realpath "${1:-$here/../../build/bin/velmora}")
icons=$here/../images

if [ -z "${VELMORA_SHOTS_SCREEN:-}" ]; then
    exec env VELMORA_SHOTS_SCREEN=1 xvfb-run -a -s '-screen 0 1280x900x24' sh "$0" "$program"
fi

work=$(mktemp -d /tmp/velmora-help.XXXXXX)
pid=
cleanup() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# --- photographs: landscapes drawn by ImageMagick --------------------------

hills() { # width height amplitude base phase -> a polygon for -draw
    awk -v w="$1" -v h="$2" -v a="$3" -v b="$4" -v p="$5" 'BEGIN {
        printf "polygon 0,%d", h
        for (x = 0; x <= w; x += w / 24)
            printf " %d,%d", x, h * b - a * h * sin(x / w * 6.28 * 1.3 + p) - a * h * 0.4 * sin(x / w * 6.28 * 3.1 + p * 2)
        printf " %d,%d", w, h }'
}

photo() { # name width height sky1 sky2 hill1 hill2 sun-x% phase
    sun_x=$(($2 * $8 / 100))
    sun_y=$(($3 / 4))
    convert -size "$2x$3" "gradient:$4-$5" \
        -fill '#fff6c0' -draw "circle $sun_x,$sun_y $((sun_x + $3 / 14)),$sun_y" \
        -fill "$6" -draw "$(hills "$2" "$3" 0.08 0.62 "$9")" \
        -fill "$7" -draw "$(hills "$2" "$3" 0.06 0.80 $(($9 + 2)))" \
        -attenuate 0.6 +noise Gaussian -blur 0x0.8 -quality 90 "$photos/$1.jpg"
}

# A home folder as a user's would look in the folder tree.
photos=$work/home/Pictures/Holiday
mkdir -p "$photos" "$work/home/Pictures/Birthday" "$work/home/Pictures/Garden"
for folder in Desktop Documents Downloads Music Videos; do
    mkdir -p "$work/home/$folder"
done
photo beach 1200 800 '#5b8fd6' '#cfe3f7' '#6d8f4e' '#3e5f2b' 70 1
photo sunset 1200 800 '#f08a4b' '#fde2b5' '#8a5a44' '#4b2e22' 30 2
photo tower 800 1200 '#3a6ea5' '#a9cdef' '#5d7f8f' '#2f4f5f' 50 3
photo meadow 1200 800 '#7fb0e0' '#eef5fb' '#a0b36a' '#5e7a35' 80 4
photo dusk 1200 900 '#9a7bc4' '#f3d9e8' '#6b5b8f' '#3d3357' 20 5
photo dunes 800 1200 '#4f9fd1' '#d8effa' '#c9b27c' '#8c7440' 60 6
photo lake 1200 800 '#2d4f86' '#7fa7d9' '#4a6b3a' '#26401d' 40 7

# --- driving the program ----------------------------------------------------

start() { # language [image...]: a fresh program with only our settings
    lang=$1
    shift
    rm -rf "$work/config" "$work/home/Documents/Velmora"
    mkdir -p "$work/config/Tarnwick" "$work/runtime"
    chmod 700 "$work/runtime"
    cat >"$work/config/Tarnwick/Velmora.conf" <<EOF
[Settings]
Language=$lang
ShowStart=false
FotoPath=$photos
ProjectPath=$work/home
EOF
    HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data \
        XDG_RUNTIME_DIR=$work/runtime "$program" "$@" >/dev/null 2>&1 &
    pid=$!
    main=$(xdotool search --sync --onlyvisible --pid "$pid" | head -n 1)
    xdotool windowsize "$main" 960 600
    xdotool windowfocus "$main"
    settle
}

stop() {
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    pid=
}

settle() { sleep 1.5; }

# The window that has the keyboard focus once it differs from $1.
new_window() {
    for _ in $(seq 50); do
        w=$(xdotool getwindowfocus)
        if [ "$w" != "$1" ]; then
            settle
            echo "$w"
            return
        fi
        sleep 0.2
    done
    echo "no new window appeared" >&2
    exit 1
}

# Clicks the button showing the icon $2 (drawn $3 pixels square) inside the
# part x, y, width, height ($4..$7) of window $1.
click_icon() {
    import -window "$1" "$work/window.png"
    convert "$work/window.png" -crop "$6x$7+$4+$5" +repage "$work/part.png"
    convert "$icons/$2" -resize "$3x$3" -background 'srgb(239,239,239)' -flatten "$work/icon.png"
    at=$(compare -metric RMSE -subimage-search "$work/part.png" "$work/icon.png" null: 2>&1 | sed -n 's/.*@ *//p')
    eval "$(xdotool getwindowgeometry --shell "$1")"
    xdotool mousemove $((X + $4 + ${at%,*} + $3 / 2)) $((Y + $5 + ${at#*,} + $3 / 2)) click 1
    settle
}

# Saves window $1 as images/$2.png of the current language, at most 800
# pixels wide, in 256 colours.
shot() {
    import -window "$1" "$work/shot.png"
    convert "$work/shot.png" -resize '800x>' -strip -colors 256 "PNG8:$here/Help_$lang/images/$2.png"
}

shots() { # language
    mkdir -p "$here/Help_$1/images"

    # The folder of photos.
    start "$1"
    xdotool mousemove 330 220 click 1 # the first thumbnail: its preview and date below the tree
    settle
    shot "$main" main-window
    stop

    # The photos chosen for printing (opened by name, they are selected).
    start "$1" "$photos"/*.jpg
    shot "$main" selected

    # The layout chooser, with its other two tabs.
    click_icon "$main" Arrange.png 48 0 20 960 70
    chooser=$(new_window "$main")
    eval "$(xdotool getwindowgeometry --shell "$chooser")"
    xdotool mousemove $((X + 75)) $((Y + 170)) click 1 # into the list of layouts
    xdotool type ' 3-100x150'
    settle
    shot "$chooser" chooser
    xdotool key ctrl+Tab
    settle
    shot "$chooser" page-settings
    xdotool key ctrl+Tab
    settle
    shot "$chooser" photo-sizes
    xdotool key ctrl+shift+Tab ctrl+shift+Tab
    eval "$(xdotool getwindowgeometry --shell "$chooser")"
    click_icon "$chooser" Ok.png 16 0 $((HEIGHT - 60)) "$WIDTH" 60

    # The pages.
    shot "$main" arranged

    # The print dialog.
    xdotool windowfocus "$main"
    xdotool key ctrl+p
    printing=$(new_window "$main")
    shot "$printing" print
    xdotool key Escape
    settle

    # The JPEG export: File, the fifth entry (New, Open, Save, Save As,
    # Export), a name in the file dialog, then the export dialog.
    xdotool windowfocus "$main"
    xdotool mousemove 20 10 click 1
    sleep 0.5
    xdotool key Down Down Down Down Down Return
    names=$(new_window "$main")
    xdotool type Holiday
    xdotool key Return
    exporting=$(new_window "$names")
    shot "$exporting" export
    xdotool key Escape
    settle
    stop
}

shots en
shots ru
echo "Screenshots written to $here/Help_en/images and $here/Help_ru/images"
