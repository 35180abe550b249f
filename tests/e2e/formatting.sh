#!/usr/bin/env bash
# A word made bold and coloured with the toolbar and a colour block, saved with Save: after
# going to another day and back it is still bold and coloured, and the rest of the line is not.
set -u
QUILLET_BIN=$1
. "$(dirname "$0")/e2e-lib.sh"
need xclip
e2e_start_display
[ "$(date +%H%M)" = 2359 ] && skip "today would end before the test does"

# Places in the main window at its design size: two toolbar buttons and the red colour block.
SAVE_X=28 SAVE_Y=17
BOLD_X=228 BOLD_Y=17
RED_X=269 RED_Y=451

# The HTML the editor puts on the clipboard for its selection.
selection_html() {
    xdotool key ctrl+c
    sleep 0.2
    xclip -o -selection clipboard -t text/html 2>/dev/null
}

select_last_word() {
    xdotool mousemove --window "$MAIN" $EDITOR_X $EDITOR_Y click 1
    xdotool key ctrl+End ctrl+shift+Left
}

e2e_start_app
create_first_user Ann Secret1

xdotool mousemove --window "$MAIN" $EDITOR_X $EDITOR_Y click 1
xdotool type --delay 15 "A plain start and one word"
xdotool key ctrl+shift+Left
xdotool mousemove --window "$MAIN" $BOLD_X $BOLD_Y click 1
xdotool mousemove --window "$MAIN" $RED_X $RED_Y click 1
xdotool mousemove --window "$MAIN" $SAVE_X $SAVE_Y click 1
TODAY_FILE="$QUILLET_HOME/files/ann/$(date +%-d_%-m_%Y).DIARY"
wait_for test -s "$TODAY_FILE" || fail "Save did not write $TODAY_FILE"

go_to 2001-08-05
sleep 0.3
[ -z "$(xdotool search --onlyvisible --name '^quillet$' 2>/dev/null)" ] ||
    fail "a saved page was asked about"
go_to "$(date +%F)"
sleep 0.3

select_last_word
html=$(selection_html)
case "$html" in
*"font-weight:700"*"color:#ff0000"*word* | *"color:#ff0000"*"font-weight:700"*word*) ;;
*) fail "the word came back as: $html" ;;
esac
xdotool key ctrl+Home shift+End
whole=$(selection_html)
echo "$whole" | grep -q "A plain start and one" || fail "the line came back as: $whole"
plain=${whole%%one*}
case "$plain" in
*"font-weight:700"* | *"color:#ff0000"*) fail "the plain words took the format: $whole" ;;
esac
echo "PASSED: the bold red word was saved and came back bold and red"
