#!/usr/bin/env bash
# A bookmark added for a day with a page, the proposed description accepted with Enter: on
# another day, the list shown with Bookmarks and the bookmark's row clicked shows that page.
# After a log off through the command menu and a new login, the bookmark is in the menu's
# Bookmarks submenu and takes the user to the page again.
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


bookmark_stored() { cmp -s "$FOLDER/bookmarks.txt" "$E2E_DIR/expected.txt"; }

e2e_start_app
create_first_user Ann Secret1

# Goes to the day $1 (yyyy-mm-dd), writes $2 on its page and saves it into the file $3.
write_page() {
    go_to "$1"
    xdotool mousemove --window "$MAIN" $EDITOR_X $EDITOR_Y click 1
    xdotool type --delay 15 "$2"
    xdotool mousemove --window "$MAIN" $SAVE_X $SAVE_Y click 1
    wait_for test -s "$FOLDER/$3" || fail "Save did not write the page of $1"
}

write_page 2001-08-05 "$LINE" 5_8_2001.DIARY

xdotool mousemove --window "$MAIN" $BOOK_ADD_X $BOOK_ADD_Y click 1
box=$(wait_window Bookmark) || exit 1
type_into "$box" "{Return}"
printf '"Aug 05,2001",#2001-08-05#\r\n' >"$E2E_DIR/expected.txt"
wait_for bookmark_stored ||
    fail "bookmarks.txt holds $(od -c "$FOLDER/bookmarks.txt" 2>&1 | head -3)"

# A page of its own on the next day: had the program stayed on the bookmark's day, the words
# would join its page instead. Saved, the day is left without a question.
write_page 2001-08-06 "Rain all day" 6_8_2001.DIARY

xdotool mousemove --window "$MAIN" $BOOK_LIST_X $BOOK_LIST_Y click 1
sleep 0.3
xdotool mousemove --window "$MAIN" $FIRST_ROW_X $FIRST_ROW_Y click 1
wait_page_text "$LINE" "the bookmark's row"
no_message_box "going to the bookmark asked a question"

menu_keys l
question=$(wait_window "Log off?") || exit 1
type_into "$question" "{Return}"
# Reading the page selected it, which counts as a change: the save question comes too.
question=$(wait_window quillet) || exit 1
type_into "$question" "{Return}"
log_in Ann Secret1
main_window
# "&Bookmarks" shares its letter with "On the We&b": the letter selects, Right opens.
menu_keys b Right Return
wait_page_text "$LINE" "the menu's bookmark"
echo "PASSED: a bookmark goes back to its page from the list and, after a new login, the menu"
