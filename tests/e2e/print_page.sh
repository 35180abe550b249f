#!/usr/bin/env bash
# Printing on a print server of the test's own, whose default printer keeps what it is sent:
# Ctrl+P opens the preview of a page longer than a sheet, and its Print button sends one job
# with every sheet, its text readable and at its own size, so that the last line still lands
# on the last sheet.
set -u
QUILLET_BIN=$1
. "$(dirname "$0")/e2e-lib.sh"
need /usr/sbin/cupsd
need lpadmin
need lpstat
need pdftotext
need pdfinfo
e2e_start_display

# Its own files, its own socket: neither the machine's printers nor its print server take part.
start_print_server() {
    local d="$E2E_DIR/cups"
    mkdir -p "$d"/{etc,spool,tmp,cache,state,log}
    cat >"$d/etc/cupsd.conf" <<CONF
Listen $d/cups.sock
LogLevel warn
Browsing No
PreserveJobFiles Yes
PreserveJobHistory Yes
<Location />
  Order allow,deny
  Allow all
</Location>
<Location /admin>
  Order allow,deny
  Allow all
</Location>
CONF
    cat >"$d/cups-files.conf" <<CONF
ServerRoot $d/etc
RequestRoot $d/spool
TempDir $d/tmp
CacheDir $d/cache
StateDir $d/state
ServerBin /usr/lib/cups
DataDir /usr/share/cups
AccessLog $d/log/access_log
ErrorLog $d/log/error_log
PageLog $d/log/page_log
FileDevice Yes
Sandboxing Relaxed
CONF
    /usr/sbin/cupsd -f -c "$d/etc/cupsd.conf" -s "$d/cups-files.conf" >"$d/log/cupsd.out" 2>&1 &
    E2E_CUPSD=$!
    export CUPS_SERVER="$d/cups.sock"
    SPOOL="$d/spool"
    wait_for sh -c "lpstat -r 2>/dev/null | grep -q 'is running'" || fail "the print server did not start"
    lpadmin -p Paper -v file:///dev/null -E -m raw 2>/dev/null || fail "the printer was not added"
    lpadmin -d Paper || fail "the printer was not made the default"
}
trap 'kill "${E2E_CUPSD:-}" 2>/dev/null; wait "${E2E_CUPSD:-}" 2>/dev/null; e2e_cleanup' EXIT
start_print_server

e2e_start_app
create_first_user Ann Secret1
xdotool mousemove --window "$MAIN" $EDITOR_X $EDITOR_Y click 1
# Far more lines than any sheet holds, whatever the paper and the font.
xdotool type --delay 15 "First line"
xdotool key --delay 5 --repeat 150 Return
xdotool type --delay 15 "Last line"
xdotool key ctrl+p

preview=$(wait_window "Print Preview") || exit 1
# The Print button, first on the preview's toolbar.
xdotool mousemove --window "$preview" 30 16 click 1
wait_for sh -c "[ -z \"\$(xdotool search --onlyvisible --name '^Print Preview\$' 2>/dev/null)\" ]" ||
    fail "the preview stayed open after Print"
wait_for sh -c "[ \$(lpstat -W completed -o | wc -l) -ge 1 ]" || fail "no print job completed"
jobs=$(lpstat -W completed -o | wc -l)
[ "$jobs" -eq 1 ] || fail "one copy gave $jobs print jobs"

document=$(ls "$SPOOL"/d*-001 2>/dev/null | head -1)
[ -n "$document" ] || fail "the print server kept no document"
sheets=$(pdfinfo "$document" | sed -n 's/^Pages: *//p')
[ "${sheets:-0}" -ge 2 ] || fail "a page longer than a sheet was printed on ${sheets:-no} sheet(s)"
# The words of a sheet on one line, without the sheet's form feed.
sheet_text() { pdftotext -f "$1" -l "$1" "$document" - | tr -d '\f' | tr -s '\n' ' ' | sed 's/ *$//'; }
first=$(sheet_text 1)
last=$(sheet_text "$sheets")
[ "$first" = "First line" ] || fail "the first sheet reads '$first'"
[ "$last" = "Last line" ] || fail "the last sheet reads '$last'"
exit 0
