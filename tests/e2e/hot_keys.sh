#!/usr/bin/env bash
# Keys of the whole desktop under a window manager while another program has the focus: Ctrl+B
# makes the page's selection bold and the other program never sees it; Ctrl+M minimises the
# main window and Ctrl+R brings it back with the focus. A key that the other program holds is
# skipped without a message and left to it whole, the other keys still work, also with the
# lock keys on, and Ctrl+Shift+Alt+F12 shows its two messages and shakes the other window
# until it is pressed again.
set -u
QUILLET_BIN=$1
KEY_CLIENT=$2
. "$(dirname "$0")/e2e-lib.sh"
need xclip
e2e_start_display
e2e_start_window_manager

OTHER_LOG="$E2E_DIR/other.log"
stop_other() { [ -n "${OTHER_PID:-}" ] && kill "$OTHER_PID" 2>/dev/null; }
trap 'stop_other; e2e_cleanup' EXIT

# The HTML the editor puts on the clipboard for its selection.
selection_html() {
    xdotool key ctrl+c
    sleep 0.2
    xclip -o -selection clipboard -t text/html 2>/dev/null
}
shown() { [ -n "$(xdotool search --onlyvisible --name '^ Quillet$' 2>/dev/null)" ]; }
focused() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$MAIN" ]; }
gone() { ! xdotool search --onlyvisible --name . 2>/dev/null | grep -qx "$1"; }

# Another program, with a window of its own, holds Ctrl+I before Quillet starts.
"$KEY_CLIENT" "Other Program" ctrl+i >"$OTHER_LOG" 2>&1 &
OTHER_PID=$!
wait_for grep -q '^ready$' "$OTHER_LOG" || fail "the other program did not start: $(cat "$OTHER_LOG")"

e2e_start_app
create_first_user Ann Secret1
sleep 0.5
no_message_box "a key that another program holds was reported"

xdotool mousemove --window "$MAIN" $EDITOR_X $EDITOR_Y click 1
xdotool type --delay 15 "plain words"
xdotool key ctrl+shift+Left

OTHER=$(wait_window "Other Program") || exit 1
xdotool windowactivate --sync "$OTHER"
xdotool key x
wait_for grep -q '^press x$' "$OTHER_LOG" || fail "the other program did not get the focus"
xdotool key ctrl+b
sleep 0.3
! grep -q 'ctrl+b' "$OTHER_LOG" || fail "the other program saw Ctrl+B"

xdotool key ctrl+m
wait_for sh -c "! xdotool search --onlyvisible --name '^ Quillet\$' >/dev/null" ||
    fail "Ctrl+M left the main window shown"
xdotool key ctrl+r
wait_for shown || fail "Ctrl+R did not bring the main window back"
wait_for focused || fail "Ctrl+R left the focus on $(xdotool getwindowfocus getwindowname)"
! grep -qE 'ctrl\+[mr]$' "$OTHER_LOG" || fail "the other program saw Ctrl+M or Ctrl+R"
# Not minimised, only behind the other program's window: Ctrl+R fetches it all the same.
xdotool windowactivate --sync "$OTHER"
xdotool key ctrl+r
wait_for focused || fail "Ctrl+R left the focus on $(xdotool getwindowfocus getwindowname)"

html=$(selection_html)
case "$html" in
*"font-weight:700"*words*) ;;
*) fail "Ctrl+B left the selection as: $html" ;;
esac

# Ctrl+I stays the other program's: it hears it, and the page is not changed.
xdotool key ctrl+i
wait_for grep -q '^press ctrl+i$' "$OTHER_LOG" || fail "the other program lost Ctrl+I"
case "$(selection_html)" in
*italic*) fail "Ctrl+I reached Quillet although another program holds it" ;;
esac
# Quillet keeps none of Ctrl+I with the lock keys either: another client can take those.
"$KEY_CLIENT" - ctrl+lock+i ctrl+mod2+i ctrl+lock+mod2+i >"$E2E_DIR/locks.log" 2>&1 &
LOCKS_PID=$!
wait_for grep -qE '^(ready|refused)' "$E2E_DIR/locks.log"
kill "$LOCKS_PID" 2>/dev/null
grep -q '^ready$' "$E2E_DIR/locks.log" || fail "Quillet kept a variant of Ctrl+I: $(cat "$E2E_DIR/locks.log")"

# CapsLock and NumLock on: Ctrl+U still underlines.
xdotool key Caps_Lock Num_Lock
xdotool key ctrl+u
sleep 0.3
html=$(selection_html)
xdotool key Caps_Lock Num_Lock
case "$html" in
*underline*words*) ;;
*) fail "Ctrl+U with the lock keys on left the selection as: $html" ;;
esac

xdotool key ctrl+shift+alt+F12
for _ in 1 2; do
    egg=$(wait_window "Easter Egg") || exit 1
    type_into "$egg" "{Return}"
    wait_for gone "$egg" || fail "an Easter Egg message did not close with Return"
done

# The shake: the other program's window wanders by at most 8 pixels per axis a tick of 250 ms,
# and keeps its size.
place() {
    local X Y WIDTH HEIGHT
    eval "$(xdotool getwindowgeometry --shell "$OTHER" | grep -E '^(X|Y|WIDTH|HEIGHT)=')"
    echo "$(date +%s%N) $X $Y $WIDTH $HEIGHT"
}
read -r t0 x0 y0 w0 h0 <<<"$(place)"
start_x=$x0 start_y=$y0
for _ in $(seq 15); do
    sleep 0.1
    read -r t x y w h <<<"$(place)"
    [ "$w x $h" = "$w0 x $h0" ] || fail "the shake made the other window $w x $h, not $w0 x $h0"
    ticks=$(((t - t0) / 250000000 + 1))
    for d in $((x - x0)) $((y - y0)); do
        [ ${d#-} -le $((8 * ticks)) ] || fail "the other window moved by $d in $ticks tick(s)"
    done
    t0=$t x0=$x y0=$y
done
[ "$x,$y" != "$start_x,$start_y" ] || fail "the shake left the other window at $x,$y"

xdotool key ctrl+shift+alt+F12
sleep 0.5
[ -z "$(xdotool search --onlyvisible --name '^Easter Egg$' 2>/dev/null)" ] ||
    fail "the second Ctrl+Shift+Alt+F12 showed a message"
read -r _ x0 y0 _ _ <<<"$(place)"
sleep 0.8
read -r _ x y _ _ <<<"$(place)"
[ "$x,$y" = "$x0,$y0" ] || fail "the windows went on moving after the shake stopped: $x0,$y0 to $x,$y"
kill -0 "$E2E_APP" 2>/dev/null || fail "quillet ended"
echo "PASSED: the keys work from another program's window, leave another program's key alone, and shake the desktop"
