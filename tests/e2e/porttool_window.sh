#!/usr/bin/env bash
# The companion program from Quillet's menu: "File Export\Import" is enabled when porttool
# stands beside quillet and opens its window; an HTML export there gives an index of every day,
# and a day found there is shown by the running Quillet.
set -u
QUILLET_BIN=$1
PORTTOOL=$2
. "$(dirname "$0")/e2e-lib.sh"
need xclip
e2e_start_display
export LC_ALL=C.UTF-8
ln -s "$PORTTOOL" "$QUILLET_HOME/porttool"

e2e_start_app
create_first_user ann secret
mkdir "$E2E_DIR/in"
echo "Rain all day, read a novel." >"$E2E_DIR/in/2001-08-05.txt"
echo "Walked to the lighthouse." >"$E2E_DIR/in/2001-08-06.txt"
echo "Swam before breakfast." >"$E2E_DIR/in/2001-08-07.txt"
QUILLET_PASSWORD=secret "$PORTTOOL" import --user ann "$E2E_DIR/in" >/dev/null 2>"$E2E_DIR/import.err" ||
    fail "import: $(cat "$E2E_DIR/import.err")"

# Its item's mnemonic is F; a greyed item would not start anything.
menu_keys f
tool=$(wait_window "Quillet Exporter") || exit 1
type_into "$tool" "ann" "{Tab}" "secret" "{Return}"
sleep 0.5
# The format list has the focus: the second format is HTML.
xdotool key Down alt+o ctrl+a
xdotool type --delay 15 "$E2E_DIR/html"
xdotool key Return
wait_for test -s "$E2E_DIR/html/index.html" || fail "no index.html: $(ls -l "$E2E_DIR/html" 2>&1)"
for day in 2001-08-05 2001-08-06 2001-08-07; do
    grep -q "<a href=\"$day.html\">" "$E2E_DIR/html/index.html" || fail "the index has no link to $day"
    [ -s "$E2E_DIR/html/$day.html" ] || fail "no page for $day"
done
[ "$(stat -c %a "$E2E_DIR/html")" = 700 ] || fail "folder mode $(stat -c %a "$E2E_DIR/html")"

# Find a day, and Enter on the hit shows it in Quillet.
xdotool key alt+f
sleep 0.3
xdotool key alt+w
xdotool type --delay 15 "LIGHTHOUSE"
xdotool key Return
sleep 1
xdotool key Return
wait_page_text "Walked to the lighthouse." "Quillet, asked for 2001-08-06 by porttool,"

tool=$(wait_window "Quillet Exporter") || exit 1
type_into "$tool" "{Escape}"
E2E_WAIT=50 wait_for no_window "Quillet Exporter" || fail "Esc left the porttool window open"
echo "PASSED: the menu opens porttool; HTML export of three days with an index; a found day shown"
