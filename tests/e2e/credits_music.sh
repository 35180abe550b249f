#!/usr/bin/env bash
# The credits opened from the command menu and closed with OK, with the real player. Without
# e1.mid they open silently and report nothing. With it, each of ten openings plays through an
# audio device, and afterwards the program holds no more threads and open files than before.
set -u
QUILLET_BIN=$1
. "$(dirname "$0")/e2e-lib.sh"
e2e_start_display
# ALSA's null device takes the tune as fast as it comes: a machine without a sound card still
# runs FluidSynth's audio thread.
export HOME="$E2E_DIR/home"
mkdir -p "$HOME"
printf 'pcm.!default { type null }\n' >"$HOME/.asoundrc"

threads() { ls "/proc/$E2E_APP/task" | wc -l; }
files() { ls "/proc/$E2E_APP/fd" | wc -l; }
threads_at_least() { [ "$(threads)" -ge "$1" ]; }
threads_are() { [ "$(threads)" -eq "$1" ]; }
files_are() { [ "$(files)" -eq "$1" ]; }

open_credits() {
    menu_keys a
    CREDITS=$(wait_window Credits) || exit 1
}
close_credits() {
    type_into "$CREDITS" "{Return}"
    wait_for sh -c "! xdotool search --onlyvisible --name '^Credits\$' >/dev/null 2>&1" ||
        fail "OK did not close the credits"
}

e2e_start_app
create_first_user Ann Secret1

# Without the tune: a second's look finds no message and no audio thread started.
settled=$(threads)
open_credits
sleep 1
no_message_box "a missing e1.mid was reported"
[ "$(threads)" -le "$settled" ] || fail "without e1.mid the credits started $(($(threads) - settled)) threads"
close_credits

cp "$(dirname "$QUILLET_BIN")/e1.mid" "$QUILLET_HOME/" || fail "no e1.mid beside the program"
threads_before=$(threads)
files_before=$(files)
for round in $(seq 10); do
    open_credits
    # The tune's own thread and the audio device's.
    wait_for threads_at_least $((threads_before + 2)) ||
        fail "opening $round: the tune did not reach the audio device ($(threads) threads, $threads_before before)"
    close_credits
done
kill -0 "$E2E_APP" 2>/dev/null || { cat "$E2E_DIR/app.log" >&2; fail "quillet ended"; }
wait_for threads_are "$threads_before" ||
    fail "$(($(threads) - threads_before)) threads left behind after ten openings"
wait_for files_are "$files_before" ||
    fail "$(($(files) - files_before)) files left open after ten openings"
echo "PASSED: ten openings of the credits played and left no thread or open file behind"
