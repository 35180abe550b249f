#!/usr/bin/env bash
# Printing on a machine without a printer: Ctrl+P in the main window shows the printer error,
# exactly as worded, and no preview; the page is left as it was.
set -u
QUILLET_BIN=$1
. "$(dirname "$0")/e2e-lib.sh"
e2e_start_display
# A print server that is not there: the program sees no printer, whatever this machine has.
export CUPS_SERVER="$E2E_DIR/no-print-server.sock"

e2e_start_app
create_first_user Ann Secret1
xdotool mousemove --window "$MAIN" $EDITOR_X $EDITOR_Y click 1
xdotool type --delay 15 "A page to print"
xdotool key ctrl+p

error=$(wait_window "Printer Error") || exit 1
[ -z "$(xdotool search --onlyvisible --name '^Print Preview$' 2>/dev/null)" ] ||
    fail "a preview opened without a printer"
type_into "$error" "{Return}"
wait_for sh -c "[ -z \"\$(xdotool search --onlyvisible --name '^Printer Error\$' 2>/dev/null)\" ]" ||
    fail "the printer error did not close with Return"
[ -z "$(xdotool search --onlyvisible --name '^Print Preview$' 2>/dev/null)" ] ||
    fail "a preview opened after the printer error"
kill -0 "$E2E_APP" 2>/dev/null || fail "quillet ended after the printer error"
exit 0
