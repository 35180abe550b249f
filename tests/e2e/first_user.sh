#!/usr/bin/env bash
# The first start of the real program: the first-run message, then a new user created through
# the login window; the next start logs that user in with the name and password in capitals.
set -u
QUILLET_BIN=$1
. "$(dirname "$0")/e2e-lib.sh"
e2e_start_display

e2e_start_app
message=$(wait_window quillet) || exit 1
type_into "$message" "{Return}"
login=$(wait_window "Login - Add User") || exit 1
type_into "$login" Bob "{Tab}" Secret1 "{Tab}" Secret1 "{Return}"
success=$(wait_window quillet) || exit 1
type_into "$success" "{Return}"
wait_window Quillet >/dev/null || exit 1

[ "$(stored_hex 'Software\Quillet\Users\Bob' UserName)" = "626F62" ] || fail "UserName is not bob"
# Scramble("secret1", TORVA)
[ "$(stored_hex 'Software\Quillet\Users\Bob' Password)" = "272A312424207E" ] || fail "Password bytes"
[ "$(stored_hex 'Software\Quillet\Switch' Value)" = "796573" ] || fail "first-run marker"
kill "$E2E_APP"; wait "$E2E_APP" 2>/dev/null

e2e_start_app
login=$(wait_window Login) || exit 1
type_into "$login" BOB "{Tab}" SECRET1 "{Return}"
wait_window Quillet >/dev/null || exit 1
echo "PASSED: first user created and logged in"
