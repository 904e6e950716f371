#!/usr/bin/env bash
# A busted digit fixed in the middle of the call: selected with Shift+Left (and, in the
# second contact, Shift+Right) and typed over; the digit stays in the call instead of
# starting the check, and both contacts are logged as corrected.
#   fix_in_place.sh PATH-TO-vantor
source "$(dirname "$0")/lib.sh"

begin_test "$1"
start_x 1024x768
start_program "$BINARY"
start_new_contest >/dev/null

type_fast "12aw9xyz"
press Left Left Left shift+Left # the 9 of W9XYZ
type_fast "0"
press End
type_fast "85ct"
press Return
wait_for_lines 1

type_fast "13bk9abc"
press Home Right shift+Right # the 9 of K9ABC
type_fast "1"
press End
type_fast "72me"
press Return
wait_for_lines 2

press alt+f Up Return # Exit
wait_for_exit
expect_log 40 '"1","12","A","W0XYZ","85","CT"' '"2","13","B","K1ABC","72","ME"'
echo "PASS"
