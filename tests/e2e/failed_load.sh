#!/usr/bin/env bash
# Yes to "Open existing log?" with no log.txt: the "File Error" box, then the program
# ends without writing a log, a journal or anything else after the box.
#   failed_load.sh PATH-TO-vantor
source "$(dirname "$0")/lib.sh"

begin_test "$1"

start_x 1024x768
start_program "$BINARY"
focus_program_window >/dev/null
press Return
focus_window "Amateur Station I.D." >/dev/null
type_text "k9abc"
press Return
focus_window "Open existing log?" >/dev/null
press y
focus_window "File Error" >/dev/null
press Return
wait_for_exit

[ ! -e log.txt ] || fail "log.txt was created"
[ ! -e nsonoff.txt ] || fail "nsonoff.txt was created"
expect_lines nspref.txt '"K9ABC"' 0 '""' '""' '""' 0 0 1 '"40"' 0
echo "PASS"
