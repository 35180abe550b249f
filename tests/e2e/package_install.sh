#!/usr/bin/env bash
# The Debian package made from this build, unpacked into a scratch root and started from its
# /usr/bin/quillet by a user who cannot write the installation folder: the first user's page
# goes to that user's data folder, nothing is written below the installation, and the next
# start finds the page.
set -u
QUILLET_BUILD=$(dirname "$1")
CLOSE_WINDOW=$2
. "$(dirname "$0")/e2e-lib.sh"
need cpack
need dpkg-deb
need dpkg-shlibdeps
need xclip
e2e_start_display
[ "$(date +%H%M)" = 2359 ] && skip "today would end before the test does"

# An installed program is found by its own folder alone.
unset QUILLET_HOME
ROOT=$E2E_DIR/root
INSTALL=$ROOT/usr/lib/quillet
trap 'chmod -R u+w "$ROOT" 2>/dev/null; e2e_cleanup' EXIT

(cd "$E2E_DIR" && cpack -G DEB --config "$QUILLET_BUILD/CPackConfig.cmake" -B "$E2E_DIR/cpack") \
    >"$E2E_DIR/cpack.log" 2>&1 || { cat "$E2E_DIR/cpack.log" >&2; fail "cpack made no package"; }
DEB=$E2E_DIR/cpack/quillet_2.0.23_$(dpkg --print-architecture).deb
[ -f "$DEB" ] || fail "no $(basename "$DEB"): $(ls "$E2E_DIR/cpack")"

DEPENDS=$(dpkg-deb --field "$DEB" Depends)
# Computed from the binaries, and what the program opens at run time.
for needed in libqt6widgets6 libsqlite3-0 qt6-qpa-plugins "timgm6mb-soundfont | fluid-soundfont-gm" \
    fonts-dejavu-core fonts-comic-neue xdg-utils; do
    case ", $DEPENDS," in
    *", $needed"[\ ,]*) ;;
    *) fail "the package does not depend on $needed: $DEPENDS" ;;
    esac
done

dpkg -x "$DEB" "$ROOT" || fail "dpkg -x cannot unpack the package"
[ "$(readlink -f "$ROOT/usr/bin/quillet")" = "$INSTALL/quillet" ] ||
    fail "/usr/bin/quillet leads to $(readlink -f "$ROOT/usr/bin/quillet")"

# The user's own folders, and nothing else the program may write.
export HOME=$E2E_DIR/home
export XDG_DATA_HOME=$HOME/data QUILLET_REGISTRY=$HOME/registry.sqlite3
mkdir -p "$HOME" "$XDG_CONFIG_HOME"
chmod -R a-w "$INSTALL"
RUN_AS=()
if [ "$(id -u)" = 0 ]; then
    # Root writes any folder whatever its mode: the program runs as a user who cannot.
    RUN_AS=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
    chown -R nobody:nogroup "$HOME" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
    chmod 755 "$E2E_DIR"
fi
find "$ROOT" -printf '%p %s %T@\n' | sort >"$E2E_DIR/root-before"

start_installed() {
    "${RUN_AS[@]}" "$ROOT/usr/bin/quillet" >"$E2E_DIR/app.log" 2>&1 &
    E2E_APP=$!
}

LINE="Installed from the package, written by an ordinary user."
PAGE=$XDG_DATA_HOME/quillet/files/bob/$(date +%-d_%-m_%Y).DIARY

start_installed
create_first_user Bob Secret1
# The launcher's StartupWMClass names the window's class, so the desktop matches the two.
WM_CLASS=$(sed -n 's/^StartupWMClass=//p' "$ROOT/usr/share/applications/org.example.quillet.desktop")
xdotool search --class "^$WM_CLASS\$" | grep -qx "$MAIN" ||
    fail "the main window's class is not '$WM_CLASS'"
# The log-on entry starts the program where it really is, not through the link.
grep -qxF "Exec=\"$INSTALL/quillet\" /d" "$XDG_CONFIG_HOME/autostart/quillet.desktop" ||
    fail "the log-on entry: $(grep Exec= "$XDG_CONFIG_HOME/autostart/quillet.desktop")"

xdotool mousemove --window "$MAIN" $EDITOR_X $EDITOR_Y click 1
xdotool type --delay 15 "$LINE"
go_to 2001-08-05
question=$(wait_window quillet) || exit 1
type_into "$question" "{Return}"
wait_for test -s "$PAGE" || {
    xdotool search --onlyvisible --name . getwindowname %@ >&2
    fail "the page was not saved as $PAGE"
}
[ "$(stat -c %a "$XDG_DATA_HOME/quillet")" = 700 ] ||
    fail "$XDG_DATA_HOME/quillet has mode $(stat -c %a "$XDG_DATA_HOME/quillet")"
find "$ROOT" -printf '%p %s %T@\n' | sort | diff "$E2E_DIR/root-before" - >&2 ||
    fail "the program wrote below its installation"

"$CLOSE_WINDOW" "$MAIN" || fail "cannot close the main window"
wait_app_end

start_installed
log_in Bob Secret1
main_window
[ "$(page_text)" = "$LINE" ] || fail "after the restart today's page holds '$(page_text)'"
echo "PASSED: the installed program keeps its pages in the user's data folder and finds them again"
