#!/usr/bin/env bash
# Words typed on today's page, the calendar then moved with the arrow keys, and Save pressed:
# today's page file is written, and no other; the day the keys went to was never opened.
set -u
QUILLET_BIN=$1
. "$(dirname "$0")/e2e-lib.sh"
e2e_start_display
[ "$(date +%H%M)" = 2359 ] && skip "today would end before the test does"

SAVE_X=28 SAVE_Y=17

e2e_start_app
create_first_user Ann Secret1

xdotool mousemove --window "$MAIN" $EDITOR_X $EDITOR_Y click 1
xdotool type --delay 15 "Words of today"
# Into the calendar without a click on a day: back from the quick-navigation box.
xdotool mousemove --window "$MAIN" $HISTORY_X $HISTORY_Y click 1
xdotool key shift+Tab Right Right Down
xdotool mousemove --window "$MAIN" $SAVE_X $SAVE_Y click 1

FOLDER="$QUILLET_HOME/files/ann"
TODAY_FILE="$FOLDER/$(date +%-d_%-m_%Y).DIARY"
wait_for test -s "$TODAY_FILE" || fail "Save did not write today's page $TODAY_FILE"
sleep 0.3
written=$(ls "$FOLDER")
[ "$written" = "$(basename "$TODAY_FILE")" ] || fail "Save wrote other pages: $written"
no_message_box "Save asked a question"
echo "PASSED: moving the calendar with the keys left Save on today's page"
