#!/usr/bin/env bash
# A line written on today's page of the real program: saved when the user goes to another day
# and answers Yes, there again on coming back, and there after the program is started anew.
set -u
QUILLET_BIN=$1
CLOSE_WINDOW=$2
. "$(dirname "$0")/e2e-lib.sh"
need xclip
need convert
e2e_start_display
[ "$(date +%H%M)" = 2359 ] && skip "today would end before the test does"

LINE="Walked to the lake at dawn; the water was still."
TODAY=$(date +%F)
TODAY_FILE="$QUILLET_HOME/files/bob/$(date +%-d_%-m_%Y).DIARY"
OTHER_DAY=2001-08-05

# The first line of the editor right of the caret, and the month calendar.
FIRST_LINE=300x18+212+141
CALENDAR=184x166+6+38

# Saves the part $2 of window $1 as $3 once two captures in a row agree: drawing has settled.
# Captures are kept as PPM, which holds the pixels alone and compares byte by byte.
capture() {
    local last=""
    for _ in $(seq 40); do
        import -window "$1" png:- 2>/dev/null | convert png:- -crop "$2" +repage "$3" 2>/dev/null
        local sum
        sum=$(md5sum <"$3")
        [ "$sum" = "$last" ] && return 0
        last=$sum
        sleep 0.05
    done
    fail "the window does not settle"
}

first_line_blank() {
    capture "$MAIN" "$FIRST_LINE" "$E2E_DIR/line.ppm"
    [ "$(identify -format %k "$E2E_DIR/line.ppm")" = 1 ]
}
first_line_written() { ! first_line_blank; }
first_line_as_written() {
    capture "$MAIN" "$FIRST_LINE" "$E2E_DIR/line.ppm"
    cmp -s "$E2E_DIR/line.ppm" "$E2E_DIR/written.ppm"
}


# The day's cell in the calendar against the same calendar before any page was written: only
# the selected day's cell changed, and its number holds more ink. Needs $E2E_DIR/plain.ppm.
today_is_bold() {
    capture "$MAIN" "$CALENDAR" "$E2E_DIR/marked.ppm"
    local box
    box=$(convert "$E2E_DIR/plain.ppm" "$E2E_DIR/marked.ppm" -compose difference -composite \
        -colorspace gray -threshold 0 -format %@ info: 2>/dev/null)
    local width=${box%%x*} rest=${box#*x}
    local height=${rest%%+*}
    [ "$width" -gt 0 ] || fail "today is not bold: the calendar is drawn as before ($1)"
    # One cell of the 7 x 8 grid at most: nothing else in the calendar changed.
    [ "$width" -le 27 ] && [ "$height" -le 21 ] ||
        fail "the calendar changed beyond one day's cell: $box ($1)"
    # With a margin, so that the background outweighs the digits.
    local x=${box#*+}
    local y=${x#*+}
    x=${x%+*}
    local cell=$((width + 6))x$((height + 6))+$((x - 3))+$((y - 3))
    convert "$E2E_DIR/marked.ppm" -crop "$cell" +repage "$E2E_DIR/cell.ppm"
    [ "$(background "$E2E_DIR/cell.ppm")" != "$(background "$E2E_DIR/marked.ppm")" ] ||
        fail "the day that changed is not the selected one ($1)"
    convert "$E2E_DIR/plain.ppm" -crop "$cell" +repage "$E2E_DIR/plain-cell.ppm"
    [ "$(ink "$E2E_DIR/cell.ppm")" -gt "$(ink "$E2E_DIR/plain-cell.ppm")" ] ||
        fail "today's number is not heavier than before ($1)"
}

# The most common colour of the image.
background() {
    convert "$1" -format %c histogram:info:- | sort -rn | head -1 | grep -o '#[0-9A-Fa-f]\{6\}'
}

# Pixels of the image that are not of its most common colour.
ink() {
    convert "$1" -fuzz 10% -fill '#FF00FF' -opaque "$(background "$1")" -fuzz 0 \
        -fill white -opaque '#FF00FF' -fill black +opaque white -negate \
        -format '%[fx:round(mean*w*h)]' info:
}

# First start: a new user, and a line on today's page.
e2e_start_app
create_first_user Bob Secret1

xdotool mousemove --window "$MAIN" $EDITOR_X $EDITOR_Y click 1
capture "$MAIN" "$CALENDAR" "$E2E_DIR/plain.ppm"
first_line_blank || fail "today's page is not empty at the first start"
xdotool type --delay 15 "$LINE"
wait_for first_line_written || fail "the typed line is not shown"
# The line as it looks without the caret, the editor having lost the focus.
xdotool mousemove --window "$MAIN" $HISTORY_X $HISTORY_Y click 1
capture "$MAIN" "$FIRST_LINE" "$E2E_DIR/written.ppm"
[ -e "$TODAY_FILE" ] && fail "today's page was saved before the user asked for it"

go_to $OTHER_DAY
question=$(wait_window quillet) || exit 1
type_into "$question" "{Return}"
wait_for test -s "$TODAY_FILE" || fail "Yes did not save today's page as $TODAY_FILE"
wait_for first_line_blank || fail "the line followed to $OTHER_DAY"

go_to "$TODAY"
wait_for first_line_as_written || fail "today's page did not come back as it was written"
no_message_box "coming back to a page just loaded asked a question"
today_is_bold "after coming back"

# The page was loaded and not touched since: closing asks nothing and ends the program.
"$CLOSE_WINDOW" "$MAIN" || fail "cannot close the main window"
wait_app_end no_message_box "closing the window asked a question"

# Second start: the same user finds the line.
e2e_start_app
login=$(wait_window Login) || exit 1
type_into "$login" Bob "{Tab}" Secret1 "{Return}"
main_window
xdotool mousemove --window "$MAIN" $EDITOR_X $EDITOR_Y click 1
today_is_bold "after the restart"
[ "$(page_text)" = "$LINE" ] || fail "after the restart today's page holds '$(page_text)'"
[ "$(ls "$QUILLET_HOME/files/bob")" = "$(basename "$TODAY_FILE")" ] ||
    fail "page files: $(ls "$QUILLET_HOME/files/bob" | tr '\n' ' ')"
echo "PASSED: today's page saved on leaving it, shown on coming back and after a restart"
