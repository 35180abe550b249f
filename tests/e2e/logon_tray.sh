#!/usr/bin/env bash
# A start at log-on (quillet /d) with trayer as the notification area: no window of the program
# is mapped, only its icon; a left click on the icon opens the login window, and after the
# login the main window opens without the splash screen.
set -u
QUILLET_BIN=$1
. "$(dirname "$0")/e2e-lib.sh"
need trayer
e2e_start_display

# A first run creates the user; the next start is the one at log-on.
e2e_start_app
create_first_user Ann Secret1
kill "$E2E_APP"
wait "$E2E_APP" 2>/dev/null

trayer --edge bottom --align right --widthtype request --height 24 >"$E2E_DIR/trayer.log" 2>&1 &
TRAYER=$!
trap 'kill $TRAYER 2>/dev/null; e2e_cleanup' EXIT
wait_for sh -c "xdotool search --class trayer >/dev/null 2>&1" || fail "trayer did not start"

e2e_start_app /d
# The icon is the program's one small window, once trayer has docked it.
docked_icon() {
    local id
    for id in $(xdotool search --pid "$E2E_APP" --onlyvisible --name . 2>/dev/null); do
        xdotool getwindowgeometry "$id" 2>/dev/null | grep -q 'Geometry: [12][0-9]x[12][0-9]$' &&
            echo "$id" && return 0
    done
    return 1
}
icon=""
for _ in $(seq 100); do
    icon=$(docked_icon) && break
    sleep 0.1
done
sleep 0.3
[ -n "$icon" ] || fail "no icon in the notification area"
for title in Login " Quillet" Quillet; do
    [ -z "$(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null)" ] ||
        fail "the window '$title' was shown at a start at log-on"
done

xdotool mousemove --window "$icon" 5 5 click 1
log_in Ann Secret1
wait_window " Quillet" >/dev/null || exit 1
[ -z "$(xdotool search --onlyvisible --name '^Quillet$' 2>/dev/null)" ] ||
    fail "the splash screen was shown after a start at log-on"
echo "PASSED: a start at log-on waits as an icon, and opens the login, then the main window"
