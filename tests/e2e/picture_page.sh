#!/usr/bin/env bash
# A page holding a PNG picture, put in the page folder by another program: the real program
# shows the picture, the page is written on and saved, and the saved page still holds the
# picture's bytes.
set -u
QUILLET_BIN=$1
PAGE_FILE=$2
. "$(dirname "$0")/e2e-lib.sh"
command -v convert >/dev/null || skip "ImageMagick is not installed (scripts/setup installs it)"
e2e_start_display

SAVE_X=28 SAVE_Y=17
GREEN='#00A000'

# A picture of one colour, 40 x 30 pixels, shown at its own size.
convert -size 40x30 "xc:$GREEN" "png:$E2E_DIR/picture.png"
PNG_HEX=$(od -An -v -tx1 "$E2E_DIR/picture.png" | tr -d ' \n')
printf '{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\\pard\\f0\\fs20 Before {\\pict\\pngblip\\picw40\\pich30\\picwgoal600\\pichgoal450 %s} after\\par}' \
    "$PNG_HEX" >"$E2E_DIR/page.rtf"

# Pixels of the picture's colour in the main window.
green_pixels() {
    import -window "$MAIN" png:- 2>/dev/null |
        convert png:- -fill black +opaque "$GREEN" -fill white -opaque "$GREEN" \
            -format '%[fx:round(mean*w*h)]' info: 2>/dev/null
}
picture_shown() { [ "$(green_pixels)" = 1200 ]; }

saved_text() { "$PAGE_FILE" decode ann "$PAGE" 2>/dev/null; }
saved_with_edit() { saved_text | grep -q "after and more"; }

e2e_start_app
create_first_user Ann Secret1

PAGE="$QUILLET_HOME/files/ann/5_8_2001.DIARY"
mkdir -p "$(dirname "$PAGE")"
"$PAGE_FILE" encode ann "$E2E_DIR/page.rtf" "$PAGE" || fail "the page could not be put in place"

go_to 2001-08-05
wait_for picture_shown || fail "the picture is not shown: $(green_pixels) pixels of its colour"

xdotool mousemove --window "$MAIN" $EDITOR_X $EDITOR_Y click 1 key ctrl+End
xdotool type --delay 15 " and more"
xdotool mousemove --window "$MAIN" $SAVE_X $SAVE_Y click 1
# The Save button's tool tip would cover part of the picture.
xdotool mousemove --window "$MAIN" $EDITOR_X $EDITOR_Y
wait_for saved_with_edit || fail "Save did not write the edit: $(saved_text | head -c 300)"

saved_text | grep -q '\\pngblip' || fail "the saved page holds no PNG picture"
saved_text | tr -d ' \r\n' | grep -qF "$PNG_HEX" || fail "the saved picture's bytes differ"
wait_for picture_shown || fail "the picture is gone after the save: $(green_pixels) pixels of its colour"
echo "PASSED: the picture was shown, and saved with the page's edit and its bytes intact"
