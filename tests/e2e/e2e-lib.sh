# Shared steps of the end-to-end tests: a private X display, a fresh installation folder and
# settings database, and waiting for windows by title.

skip() { echo "SKIPPED: $*"; exit 77; }

# A tool the test cannot run without. Missing on a developer's machine, the test is skipped;
# on CI (CI=true) the set-up is broken, and the test fails.
need() {
    command -v "$1" >/dev/null && return 0
    [ "${CI:-}" = true ] && fail "$1 is not installed (scripts/setup test installs it)"
    skip "$1 is not installed (scripts/setup test installs it)"
}

e2e_start_display() {
    need Xvfb
    need xdotool
    E2E_DIR=$(mktemp -d)
    exec 5>"$E2E_DIR/display"
    Xvfb -displayfd 5 -screen 0 1280x1024x24 -nolisten tcp -noreset >"$E2E_DIR/xvfb.log" 2>&1 &
    E2E_XVFB=$!
    for _ in $(seq 100); do
        [ -s "$E2E_DIR/display" ] && break
        sleep 0.05
    done
    export DISPLAY=":$(cat "$E2E_DIR/display")"
    export QUILLET_HOME="$E2E_DIR/install" QUILLET_REGISTRY="$E2E_DIR/registry.sqlite3"
    # The first run writes a log-on entry: keep it away from the real desktop.
    export XDG_CONFIG_HOME="$E2E_DIR/config"
    export ASAN_OPTIONS=detect_leaks=0
    # Each run's Quillet listens for companion programs in its own runtime folder, never in
    # another test's.
    export XDG_RUNTIME_DIR="$E2E_DIR/runtime"
    mkdir -p "$QUILLET_HOME"
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    trap e2e_cleanup EXIT
}

# Openbox moves and resizes windows as asked, as a desktop does; ready once it has started
# what it was told to.
e2e_start_window_manager() {
    need openbox
    openbox --startup "touch $E2E_DIR/wm-ready" >"$E2E_DIR/openbox.log" 2>&1 &
    E2E_WM=$!
    wait_for test -e "$E2E_DIR/wm-ready" || fail "openbox did not start"
}

# The shipped skins, as an installation has them.
e2e_install_skins() {
    cp -r "$(dirname "$QUILLET_BIN")/skins" "$QUILLET_HOME/" || fail "no skins beside the program"
}

# The colour of the pixel at $2,$3 of window $1, as RRGGBB.
pixel() {
    import -window "$1" png:- 2>/dev/null | convert png:- -format "%[hex:p{$2,$3}]" info: 2>/dev/null |
        cut -c1-6
}

e2e_cleanup() {
    [ -n "${E2E_APP:-}" ] && kill "$E2E_APP" 2>/dev/null
    [ -n "${E2E_WM:-}" ] && kill "$E2E_WM" 2>/dev/null
    kill "$E2E_XVFB" 2>/dev/null
    rm -rf "$E2E_DIR"
}

fail() { echo "FAILED: $*" >&2; exit 1; }

e2e_start_app() {
    "$QUILLET_BIN" "$@" >"$E2E_DIR/app.log" 2>&1 &
    E2E_APP=$!
}

# Waits up to 10 s for the program to end once its window was closed. A command given is run on
# every look, to fail the test on what it must not see meanwhile.
wait_app_end() {
    for _ in $(seq 100); do
        kill -0 "$E2E_APP" 2>/dev/null || break
        [ $# -gt 0 ] && "$@"
        sleep 0.1
    done
    kill -0 "$E2E_APP" 2>/dev/null && fail "quillet did not end when its window was closed"
    wait "$E2E_APP" 2>/dev/null
    E2E_APP=""
}

# Prints the id of the visible window whose title is exactly $1, waiting up to 20 s.
wait_window() {
    local id pattern
    # The title is matched as it stands: "?" and the like are no pattern.
    pattern=$(printf '%s' "$1" | sed 's/[][\\.*^$?+(){}|]/\\&/g')
    for _ in $(seq 200); do
        # xdotool matches titles without regard to case; the program's titles differ by it.
        for id in $(xdotool search --onlyvisible --name "^$pattern\$" 2>/dev/null); do
            if [ "$(xdotool getwindowname "$id" 2>/dev/null)" = "$1" ]; then
                echo "$id"
                return 0
            fi
        done
        kill -0 "$E2E_APP" 2>/dev/null || { cat "$E2E_DIR/app.log" >&2; fail "quillet ended while waiting for '$1'"; }
        sleep 0.1
    done
    cat "$E2E_DIR/app.log" >&2
    xdotool search --onlyvisible --name . getwindowname %@ >&2
    fail "no window titled '$1'"
}

# Types into the window: without a window manager the focus is given explicitly.
type_into() {
    local window=$1
    shift
    xdotool windowfocus --sync "$window"
    for text in "$@"; do
        case "$text" in
        "{Tab}" | "{Return}" | "{Escape}") xdotool key "${text//[\{\}]/}" ;;
        *) xdotool type --delay 15 "$text" ;;
        esac
    done
}

# The program may be writing settings at the same moment: wait for its lock.
stored_hex() { sqlite3 -cmd ".timeout 5000" "$QUILLET_REGISTRY" "SELECT hex(data) FROM registry_values WHERE root='HKEY_CURRENT_USER' AND lookup_path=lower('$1') AND lookup_name=lower('$2')"; }

# Waits up to 5 s (or E2E_WAIT tenths of a second) for the command to succeed.
wait_for() {
    for _ in $(seq "${E2E_WAIT:-50}"); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}

# The page's text as the clipboard gets it. Selecting counts as a change to the program.
page_text() {
    xdotool mousemove --window "$MAIN" $EDITOR_X $EDITOR_Y click 1
    xdotool key ctrl+a ctrl+c
    sleep 0.2
    xclip -o -selection clipboard 2>/dev/null
}

# Waits up to 2 s for the page to read $1; fails with $2 and what it reads otherwise.
wait_page_text() {
    local text=""
    for _ in $(seq 20); do
        text=$(page_text)
        [ "$text" = "$1" ] && return 0
        sleep 0.1
    done
    fail "$2 shows '$text'"
}

# Opens the command menu with the Menu button and presses the keys given, one by one.
menu_keys() {
    xdotool mousemove --window "$MAIN" $MENU_X $MENU_Y click 1
    sleep 0.3
    for key in "$@"; do
        xdotool key "$key"
        sleep 0.1
    done
}

# Whether no window titled $1 (no pattern characters in it) is visible.
no_window() { [ -z "$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null)" ]; }

# Fails with $1 when a message box of the program is open.
no_message_box() {
    [ -z "$(xdotool search --onlyvisible --name '^quillet$' 2>/dev/null)" ] || fail "$1"
}

main_window() {
    local splash
    splash=$(wait_window Quillet) || exit 1
    # A click on the splash screen gives way to the main window once it has loaded.
    xdotool mousemove --window "$splash" 100 100 click 1
    MAIN=$(wait_window " Quillet") || exit 1
    xdotool windowfocus --sync "$MAIN"
}

# A login of user $1 with password $2 in the login window.
log_in() {
    local login
    login=$(wait_window Login) || exit 1
    type_into "$login" "$1" "{Tab}" "$2" "{Return}"
}

# The first start: the first-run message, a new user $1 with password $2, the main window.
create_first_user() {
    local message login success
    message=$(wait_window quillet) || exit 1
    type_into "$message" "{Return}"
    login=$(wait_window "Login - Add User") || exit 1
    type_into "$login" "$1" "{Tab}" "$2" "{Tab}" "$2" "{Return}"
    success=$(wait_window quillet) || exit 1
    type_into "$success" "{Return}"
    main_window
}

# Places in the main window, which opens at its design size where no window manager moves it.
EDITOR_X=250 EDITOR_Y=160
MENU_X=50 MENU_Y=450
HISTORY_X=60 HISTORY_Y=240

# Types the date into the history box and presses Return, as "Quick Nav" asks.
go_to() {
    xdotool mousemove --window "$MAIN" $HISTORY_X $HISTORY_Y click 1 key ctrl+a
    xdotool type --delay 15 "$1"
    xdotool key Return
}

