# Shared steps of the end-to-end tests: a private X display, a fresh installation folder and
# settings database, and waiting for windows by title.

skip() { echo "SKIPPED: $*"; exit 77; }

e2e_start_display() {
    command -v Xvfb >/dev/null || skip "Xvfb is not installed (scripts/setup installs it)"
    command -v xdotool >/dev/null || skip "xdotool is not installed (scripts/setup installs it)"
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
    mkdir -p "$QUILLET_HOME"
    trap e2e_cleanup EXIT
}

e2e_cleanup() {
    [ -n "${E2E_APP:-}" ] && kill "$E2E_APP" 2>/dev/null
    kill "$E2E_XVFB" 2>/dev/null
    rm -rf "$E2E_DIR"
}

fail() { echo "FAILED: $*" >&2; exit 1; }

e2e_start_app() {
    "$QUILLET_BIN" "$@" >"$E2E_DIR/app.log" 2>&1 &
    E2E_APP=$!
}

# Prints the id of the visible window whose title is exactly $1, waiting up to 20 s.
wait_window() {
    local id
    for _ in $(seq 200); do
        # xdotool matches titles without regard to case; the program's titles differ by it.
        for id in $(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null); do
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

stored_hex() { sqlite3 "$QUILLET_REGISTRY" "SELECT hex(data) FROM registry_values WHERE root='HKEY_CURRENT_USER' AND lookup_path=lower('$1') AND lookup_name=lower('$2')"; }
