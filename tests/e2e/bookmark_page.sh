#!/usr/bin/env bash
# A bookmark added for a day with a page, the proposed description accepted with Enter: on
# another day, the list shown with Bookmarks and the bookmark's row clicked shows that page.
set -u
QUILLET_BIN=$1
. "$(dirname "$0")/e2e-lib.sh"
need xclip
e2e_start_display

# Places in the main window at its design size: Save, the two bookmark buttons, and the first
# row of the bookmark list, which stands at the right of the page when shown.
SAVE_X=28 SAVE_Y=17
BOOK_LIST_X=452 BOOK_LIST_Y=50
BOOK_ADD_X=549 BOOK_ADD_Y=50
FIRST_ROW_X=540 FIRST_ROW_Y=146

LINE="Swam across the lake"
FOLDER="$QUILLET_HOME/files/ann"

page_text() {
    xdotool mousemove --window "$MAIN" $EDITOR_X $EDITOR_Y click 1
    xdotool key ctrl+a ctrl+c
    sleep 0.2
    xclip -o -selection clipboard 2>/dev/null
}

bookmark_stored() { cmp -s "$FOLDER/bookmarks.txt" "$E2E_DIR/expected.txt"; }

e2e_start_app
create_first_user Ann Secret1

go_to 2001-08-05
xdotool mousemove --window "$MAIN" $EDITOR_X $EDITOR_Y click 1
xdotool type --delay 15 "$LINE"
xdotool mousemove --window "$MAIN" $SAVE_X $SAVE_Y click 1
wait_for test -s "$FOLDER/5_8_2001.DIARY" || fail "Save did not write the page of 5 August 2001"

xdotool mousemove --window "$MAIN" $BOOK_ADD_X $BOOK_ADD_Y click 1
box=$(wait_window Bookmark) || exit 1
type_into "$box" "{Return}"
printf '"Aug 05,2001",#2001-08-05#\r\n' >"$E2E_DIR/expected.txt"
wait_for bookmark_stored ||
    fail "bookmarks.txt holds $(od -c "$FOLDER/bookmarks.txt" 2>&1 | head -3)"

# A page of its own on the next day: had the program stayed on the bookmark's day, the words
# would join its page instead. Saved, the day is left without a question.
go_to 2001-08-06
xdotool mousemove --window "$MAIN" $EDITOR_X $EDITOR_Y click 1
xdotool type --delay 15 "Rain all day"
xdotool mousemove --window "$MAIN" $SAVE_X $SAVE_Y click 1
wait_for test -s "$FOLDER/6_8_2001.DIARY" || fail "Save did not write the page of 6 August 2001"

xdotool mousemove --window "$MAIN" $BOOK_LIST_X $BOOK_LIST_Y click 1
sleep 0.3
xdotool mousemove --window "$MAIN" $FIRST_ROW_X $FIRST_ROW_Y click 1
text=""
for _ in $(seq 20); do
    text=$(page_text)
    [ "$text" = "$LINE" ] && break
    sleep 0.1
done
[ "$text" = "$LINE" ] || fail "the bookmark's row shows '$text'"
no_message_box "going to the bookmark asked a question"
echo "PASSED: a bookmark added with its proposed description goes back to its page"
