#!/usr/bin/env bash
# tests/e2e/screenshots.sh <quillet> <folder>: pictures of the real program for the catalogue
# entry (packaging/org.example.quillet.metainfo.xml), taken under Xvfb as the end-to-end tests
# drive it: main-window.png, a page written on the first user's first day.
# Run by hand when the windows change; the pictures live in docs/screenshots/.
set -u
QUILLET_BIN=$1
mkdir -p "$2" && OUT=$(realpath "$2") || exit 1
. "$(dirname "$0")/e2e-lib.sh"
need import
need convert
e2e_start_display
e2e_start_window_manager
e2e_install_skins

# Saves window $1 as $2 once two pictures in a row agree: drawing has settled.
shoot() {
    local last="" sum
    for _ in $(seq 40); do
        import -window "$1" "$E2E_DIR/shot.png" 2>/dev/null
        sum=$(convert "$E2E_DIR/shot.png" rgb:- | md5sum)
        [ "$sum" = "$last" ] && break
        last=$sum
        sleep 0.1
    done
    # Without its time stamps, so that the same windows give the same file.
    convert "$E2E_DIR/shot.png" -strip -define png:exclude-chunks=date,time "$OUT/$2" ||
        fail "cannot save $OUT/$2"
}

e2e_start_app
create_first_user Bob Secret1
xdotool mousemove --window "$MAIN" $EDITOR_X $EDITOR_Y click 1
xdotool type --delay 15 "Walked to the lake at dawn; the water was still and the hills were blue."
xdotool key Return Return
xdotool type --delay 15 "Tomorrow: letters, the garden, and an early night."
xdotool mousemove --window "$MAIN" $HISTORY_X $HISTORY_Y click 1
sleep 1
shoot "$MAIN" main-window.png
echo "Saved $OUT/main-window.png"
