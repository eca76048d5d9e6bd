#!/bin/sh
# Installs the build into an empty prefix and checks what the desktop reads
# there: the menu entry, the AppStream entry, the file types, the icons, and
# that the installed program finds its translations from that prefix.
# Exit 77 (skipped) when a checking tool is missing and all else passed.
#
# Usage: install_check.sh BUILD_DIR
set -u
BUILD=$1
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
P="$WORK/prefix with space"
ID=org.example.velmora
failed=0
skipped=""
fail() { echo "FAIL: $*"; failed=1; }

cmake --install "$BUILD" --prefix "$P" >"$WORK/install.log" 2>&1 || {
    cat "$WORK/install.log"; echo "FAIL: cmake --install"; exit 1; }

for f in bin/velmora share/applications/$ID.desktop share/mime/packages/$ID.xml \
         share/metainfo/$ID.metainfo.xml share/icons/hicolor/scalable/apps/$ID.svg \
         share/velmora/Translations/Velmora_en.qm share/velmora/Translations/Velmora_ru.qm \
         share/velmora/Help_en/index.htm share/velmora/Help_ru/index.htm; do
    [ -f "$P/$f" ] || fail "not installed: $f"
done
for size in 16 22 24 32 48 64 128 256; do
    png="$P/share/icons/hicolor/${size}x$size/apps/$ID.png"
    # The PNG header holds width and height as big-endian 32-bit numbers at
    # bytes 16-23.
    dims=$(od -An -tx1 -j16 -N8 "$png" 2>/dev/null | tr -d ' \n')
    [ "$dims" = "$(printf '%08x%08x' $size $size)" ] || fail "icon $size x $size: header says '$dims'"
done

if command -v desktop-file-validate >/dev/null 2>&1; then
    out=$(desktop-file-validate "$P/share/applications/$ID.desktop" 2>&1)
    # Hints are advice; errors and warnings fail.
    [ $? -eq 0 ] && ! echo "$out" | grep -qE ': (error|warning):' || fail "desktop-file-validate: $out"
else
    skipped="$skipped desktop-file-validate(desktop-file-utils)"
fi

if command -v appstreamcli >/dev/null 2>&1; then
    # --no-net: the web addresses are checked where they are published, not here.
    appstreamcli validate --pedantic --no-net "$P/share/metainfo/$ID.metainfo.xml" \
        || fail "appstreamcli validate --pedantic"
    appstreamcli validate-tree --pedantic --no-net "$P" || fail "appstreamcli validate-tree --pedantic"
else
    skipped="$skipped appstreamcli(appstream)"
fi

if command -v update-mime-database >/dev/null 2>&1; then
    update-mime-database "$P/share/mime" >/dev/null || fail "update-mime-database"
    for type in project layout; do
        [ -f "$P/share/mime/application/x-velmora-$type.xml" ] || fail "MIME type x-velmora-$type not compiled"
    done
else
    skipped="$skipped update-mime-database(shared-mime-info)"
fi

# The installed program, with Russian chosen and nothing beside it, answers
# in Russian: it found share/velmora/Translations.
mkdir -p "$WORK/home/config/Tarnwick"
printf '[Settings]\nLanguage=ru\n' >"$WORK/home/config/Tarnwick/Velmora.conf"
help=$(cd "$WORK" && HOME="$WORK/home" XDG_CONFIG_HOME="$WORK/home/config" QT_QPA_PLATFORM=offscreen \
       "$P/bin/velmora" --help 2>&1)
echo "$help" | grep -q 'Записать страницы в файлы JPEG' || fail "installed program did not answer in Russian: $help"

if [ $failed -ne 0 ]; then
    exit 1
fi
if [ -n "$skipped" ]; then
    echo "SKIPPED checks, tools missing:$skipped"
    exit 77
fi
echo "install check passed"
