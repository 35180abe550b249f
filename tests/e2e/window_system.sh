#!/usr/bin/env bash
# The desktop's windows as the shake sees them, on a real X display: another program's and the
# program's own listed with their titles and moved by an offset with their size kept; docks,
# hidden and minimised windows left out. Once without a window manager, where windows stand
# where they ask, and once under openbox, which frames and places them itself.
set -u
TEST_BIN=$2
. "$(dirname "$0")/e2e-lib.sh"
e2e_start_display
export QT_QPA_PLATFORM=xcb

"$TEST_BIN" >"$E2E_DIR/bare.log" 2>&1 || { cat "$E2E_DIR/bare.log" >&2; fail "without a window manager"; }
e2e_start_window_manager
QUILLET_TEST_WINDOW_MANAGER=openbox "$TEST_BIN" >"$E2E_DIR/openbox.log" 2>&1 ||
    { cat "$E2E_DIR/openbox.log" >&2; fail "under openbox"; }
