#!/usr/bin/env bash
# Options opened from the command menu, "Show splash screen" cleared and OK pressed: the setting
# holds " 0", and the next start goes from the login straight to the main window.
set -u
QUILLET_BIN=$1
. "$(dirname "$0")/e2e-lib.sh"
need sqlite3
e2e_start_display

# The splash box in the options dialog, which opens at its own size where no window manager
# moves it.
SPLASH_X=33 SPLASH_Y=104

e2e_start_app
create_first_user Ann Secret1

menu_keys o
options=$(wait_window Options) || exit 1
xdotool mousemove --window "$options" $SPLASH_X $SPLASH_Y click 1
type_into "$options" "{Return}"
splash_cleared() { [ "$(stored_hex 'Software\Quillet\Global' 'Show splash')" = 2030 ]; }
wait_for splash_cleared ||
    fail "Show splash holds $(stored_hex 'Software\Quillet\Global' 'Show splash'), not ' 0'"

menu_keys c
wait_for sh -c "! kill -0 $E2E_APP 2>/dev/null" || fail "Close did not end the program"

e2e_start_app
log_in Ann Secret1
wait_window " Quillet" >/dev/null || exit 1
[ -z "$(xdotool search --onlyvisible --name '^Quillet$' 2>/dev/null)" ] ||
    fail "the splash screen was shown"
echo "PASSED: the splash screen cleared in the options stays away at the next start"
