#!/usr/bin/env bash
# Under a window manager the main window wears its skin's caption bar and borders. The dark
# skin picked from the menu comes back at the next login; the window moves by its caption,
# grows by its border, and a double click on the caption maximises and restores it.
set -u
QUILLET_BIN=$1
. "$(dirname "$0")/e2e-lib.sh"
need import
e2e_start_display
e2e_start_window_manager
e2e_install_skins

# Each skin's border width and caption height: the client area starts there.
GOLD_LEFT=5 GOLD_TOP=31
MIDNIGHT_LEFT=4 MIDNIGHT_TOP=28
# The middle of each caption's gradient, and the panel colour.
GOLD_CAPTION=734A22 GOLD_PANEL=F7EED6
MIDNIGHT_CAPTION=1E2434 MIDNIGHT_PANEL=6A7788
# A spot of the panel beside the shown date, in the client area.
PANEL_X=450 PANEL_Y=118

# Whether two RRGGBB colours differ by at most 3 in each channel.
near() {
    local a=$1 b=$2 i
    for i in 0 2 4; do
        local d=$((16#${a:i:2} - 16#${b:i:2}))
        [ ${d#-} -le 3 ] || return 1
    done
}

# $1 LEFT TOP CAPTION PANEL of a skin: the caption's middle row and the panel show its colours.
wears() {
    local left=$1 top=$2 caption=$3 panel=$4 seen
    seen=$(pixel "$MAIN" 300 $((top / 2 + left / 2)))
    near "$seen" "$caption" || { echo "caption $seen, not $caption"; return 1; }
    seen=$(pixel "$MAIN" $((left + PANEL_X)) $((top + PANEL_Y)))
    [ "$seen" = "$panel" ] || { echo "panel $seen, not $panel"; return 1; }
}

geometry() { xdotool getwindowgeometry --shell "$MAIN" | grep -E '^(X|Y|WIDTH|HEIGHT)=' | tr '\n' ' '; }

e2e_start_app
create_first_user Ann Secret1
wait_for wears $GOLD_LEFT $GOLD_TOP $GOLD_CAPTION $GOLD_PANEL >/dev/null ||
    fail "the new user's window does not wear the gold skin: $(wears $GOLD_LEFT $GOLD_TOP $GOLD_CAPTION $GOLD_PANEL)"

# The Skins submenu lists forest, gold, midnight and ocean.
MENU_X=$((MENU_X + GOLD_LEFT)) MENU_Y=$((MENU_Y + GOLD_TOP))
menu_keys s Right Down Down Return
wait_for wears $MIDNIGHT_LEFT $MIDNIGHT_TOP $MIDNIGHT_CAPTION $MIDNIGHT_PANEL >/dev/null ||
    fail "midnight chosen, the window shows $(wears $MIDNIGHT_LEFT $MIDNIGHT_TOP $MIDNIGHT_CAPTION $MIDNIGHT_PANEL)"

# A drag on the caption: the first motion hands the move to the window manager.
eval "$(geometry)"
x0=$X y0=$Y
xdotool mousemove --window "$MAIN" 300 12 mousedown 1 sleep 0.2 mousemove_relative --sync 20 20 \
    sleep 0.2 mousemove_relative --sync 80 40 sleep 0.2 mouseup 1
wait_for sh -c "[ \$(xdotool getwindowgeometry --shell $MAIN | grep ^X= | cut -d= -f2) -ge $((x0 + 60)) ]" ||
    fail "the caption did not move the window from $x0,$y0: $(geometry)"
eval "$(geometry)"
[ "$Y" -ge $((y0 + 30)) ] || fail "the caption did not move the window down from $y0: $(geometry)"

# A drag on the right border.
w0=$WIDTH
xdotool mousemove --window "$MAIN" $((WIDTH - 2)) 200 mousedown 1 sleep 0.2 \
    mousemove_relative --sync 20 0 sleep 0.2 mousemove_relative --sync 80 0 sleep 0.2 mouseup 1
wait_for sh -c "[ \$(xdotool getwindowgeometry --shell $MAIN | grep ^WIDTH= | cut -d= -f2) -ge $((w0 + 60)) ]" ||
    fail "the border did not make the window wider than $w0: $(geometry)"

eval "$(geometry)"
normal="$WIDTH x $HEIGHT"
xdotool mousemove --window "$MAIN" 300 12 click --repeat 2 --delay 80 1
wait_for sh -c "[ \$(xdotool getwindowgeometry --shell $MAIN | grep ^WIDTH= | cut -d= -f2) = 1280 ]" ||
    fail "a double click on the caption did not maximise the window: $(geometry)"
xdotool mousemove --window "$MAIN" 300 10 click --repeat 2 --delay 80 1
wait_for sh -c "eval \"\$(xdotool getwindowgeometry --shell $MAIN)\"; [ \"\$WIDTH x \$HEIGHT\" = '$normal' ]" ||
    fail "a second double click did not restore $normal: $(geometry)"

menu_keys c
wait_for sh -c "! kill -0 $E2E_APP 2>/dev/null" || fail "Close did not end the program"

e2e_start_app
log_in Ann Secret1
main_window
wait_for wears $MIDNIGHT_LEFT $MIDNIGHT_TOP $MIDNIGHT_CAPTION $MIDNIGHT_PANEL >/dev/null ||
    fail "after the login the window shows $(wears $MIDNIGHT_LEFT $MIDNIGHT_TOP $MIDNIGHT_CAPTION $MIDNIGHT_PANEL)"
echo "PASSED: the skin's caption and borders move, resize and maximise the window, and the dark skin comes back"
