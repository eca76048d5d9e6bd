#!/bin/sh
# Installs the Debian package on a fresh Debian 12 system and starts it there:
# a minimal bookworm made by debootstrap from this machine's Debian mirror,
# `apt install ./velmora_*.deb` in it, then the program's version, its
# Russian command-line help and, on a virtual screen, its window in Russian
# with a JPEG, a TIFF and a WebP photo, saved as a screenshot.
# Needs root, debootstrap, xvfb-run, xdotool and ImageMagick; takes a few
# minutes and downloads about 150 MB of packages.
#
# Usage: resources/desktop/check-deb.sh build-deb/velmora_<version>_<arch>.deb [SCRATCH_DIR]
set -eu
DEB=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
SCRATCH=${2:-/var/tmp/velmora-deb-check}
ROOT="$SCRATCH/bookworm"
for tool in debootstrap xvfb-run xdotool convert import; do
    command -v $tool >/dev/null 2>&1 || { echo "$tool not found" >&2; exit 1; }
done
# The mirror this machine's apt uses.
MIRROR=$(sed -n 's/^URIs: *\([^ ]*\).*/\1/p' /etc/apt/sources.list.d/debian.sources 2>/dev/null | head -1)
[ -n "$MIRROR" ] || MIRROR=$(awk '$1 == "deb" { print $2; exit }' /etc/apt/sources.list 2>/dev/null)
[ -n "$MIRROR" ] || { echo "no Debian mirror found in the apt sources" >&2; exit 1; }

rm -rf "$ROOT" && mkdir -p "$ROOT"
debootstrap --variant=minbase bookworm "$ROOT" "$MIRROR" >"$SCRATCH/debootstrap.log" 2>&1 \
    || { tail "$SCRATCH/debootstrap.log"; exit 1; }
cp /etc/resolv.conf "$ROOT/etc/resolv.conf"
cp "$DEB" "$ROOT/root/"
mount -t proc proc "$ROOT/proc"
mkdir -p "$ROOT/tmp/.X11-unix"
mount --bind /tmp/.X11-unix "$ROOT/tmp/.X11-unix"
trap 'umount "$ROOT/tmp/.X11-unix"; umount "$ROOT/proc" || umount -l "$ROOT/proc"' EXIT

chroot "$ROOT" sh -c 'cd /root && export DEBIAN_FRONTEND=noninteractive &&
    apt-get update -q >/dev/null && apt install -y -q ./velmora_*.deb' >"$SCRATCH/apt.log" 2>&1 \
    || { tail -20 "$SCRATCH/apt.log"; exit 1; }
echo "apt install ./$(basename "$DEB"): done, $(grep -c '^Setting up' "$SCRATCH/apt.log") packages set up"
inside() { chroot "$ROOT" env -i PATH=/usr/bin:/bin HOME=/root LANG=C.UTF-8 "$@"; }
inside velmora --version 2>/dev/null

# Russian chosen, the help of the command line and the window answer in it.
mkdir -p "$ROOT/root/.config/Tarnwick" "$ROOT/root/Pictures/Отпуск"
printf '[Settings]\nLanguage=ru\nShowStart=false\n' >"$ROOT/root/.config/Tarnwick/Velmora.conf"
inside velmora --help 2>/dev/null | sed -n 2p
for f in Translations/Velmora_ru.qm Help_ru/index.htm Help_en/index.htm; do
    [ -f "$ROOT/usr/share/velmora/$f" ] && echo "installed: /usr/share/velmora/$f" || echo "MISSING: /usr/share/velmora/$f"
done
convert -size 1200x800 gradient:'#87ceeb-#f4f9ff' "$ROOT/root/Pictures/Отпуск/photo1.jpg"
convert -size 800x1200 gradient:'#ffd7a8-#8a5a2b' "$ROOT/root/Pictures/Отпуск/photo2.tif"
convert -size 1200x900 gradient:'#a8e6cf-#2e8b57' "$ROOT/root/Pictures/Отпуск/photo3.webp"
cat >"$SCRATCH/session.sh" <<'SESSION'
cp "$XAUTHORITY" "$ROOT/root/.Xauthority"
chroot "$ROOT" env -i DISPLAY="$DISPLAY" XAUTHORITY=/root/.Xauthority PATH=/usr/bin:/bin HOME=/root \
    LANG=C.UTF-8 velmora /root/Pictures/Отпуск/photo1.jpg >"$SCRATCH/window.log" 2>&1 &
app=$!
window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Velmora' | head -1)
[ -n "$window" ] || { echo "the program showed no window:"; cat "$SCRATCH/window.log"; exit 1; }
xdotool windowmove "$window" 0 0 windowsize "$window" 1600 1000
sleep 4 # thumbnails are made in the background
import -window root "$SCRATCH/window-ru.png"
kill $app
wait $app 2>/dev/null || true
SESSION
export ROOT SCRATCH
xvfb-run -a -s '-screen 0 1600x1000x24' sh "$SCRATCH/session.sh"
echo "the window on the fresh system: $SCRATCH/window-ru.png"
