#!/usr/bin/env bash
# porttool on the terminal: a user created in Quillet brings three days in from text files and
# exports them as one PDF, a sheet a day under the day's date; a wrong password writes nothing.
set -u
QUILLET_BIN=$1
PORTTOOL=$2
. "$(dirname "$0")/e2e-lib.sh"
need pdfinfo
need pdftotext
e2e_start_display
export LC_ALL=C.UTF-8

e2e_start_app
create_first_user ann secret
kill "$E2E_APP"; wait "$E2E_APP" 2>/dev/null
E2E_APP=

cd "$E2E_DIR" || fail "no test folder"
mkdir in
echo "Rain all day, read a novel." >in/2001-08-05.txt
echo "Walked to the lighthouse." >in/20010806.txt
printf 'Swam **before** breakfast.\n' >in/07.08.2001.md
QUILLET_PASSWORD=secret "$PORTTOOL" import --user ann in >import.out 2>import.err ||
    fail "import: $(cat import.err)"
[ "$(wc -l <import.out)" = 3 ] || fail "import listed: $(cat import.out)"

QUILLET_PASSWORD=wrong "$PORTTOOL" export --user ann --format pdf --to wrong/ >wrong.out 2>wrong.err &&
    fail "a wrong password exported"
grep -qx "porttool: Wrong password" wrong.err || fail "wrong password said: $(cat wrong.err)"
[ ! -e wrong ] || fail "a wrong password wrote $(ls -R wrong)"

QUILLET_PASSWORD=secret "$PORTTOOL" export --user ann --format pdf --to out/ >export.out 2>export.err ||
    fail "export: $(cat export.err)"
grep -q "^3 pages exported in [0-9.]* s$" export.err || fail "export said: $(cat export.err)"
[ "$(ls out)" = "2001-08-05_2001-08-07.pdf" ] || fail "exported: $(ls out)"
[ "$(stat -c %a out)" = 700 ] || fail "folder mode $(stat -c %a out)"
pdf=out/2001-08-05_2001-08-07.pdf
[ "$(stat -c %a "$pdf")" = 600 ] || fail "file mode $(stat -c %a "$pdf")"
pages=$(pdfinfo "$pdf" | awk '/^Pages:/ { print $2 }')
[ "$pages" = 3 ] || fail "the PDF has $pages pages"
sheet=1
for day in "August 05, 2001:Rain all day, read a novel." "August 06, 2001:Walked to the lighthouse." \
    "August 07, 2001:Swam before breakfast."; do
    text=$(pdftotext -f $sheet -l $sheet -layout "$pdf" - | tr -s ' \n' ' ')
    [[ "$text" == *"${day%%:*}"*"${day#*:}"* ]] || fail "sheet $sheet holds: $text"
    sheet=$((sheet + 1))
done
echo "PASSED: three days in one PDF, a wrong password writes nothing"
