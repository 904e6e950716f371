#!/usr/bin/env bash
# The call history at contest speed: callhist.txt in the contest folder fills the check
# and section of a known call when the call field is left; Enter stores the fill, a
# check typed over the fill is stored as typed, and a call the history lacks is left
# alone. log.txt must hold exactly that.
#   history_fill.sh PATH-TO-vantor
source "$(dirname "$0")/lib.sh"

begin_test "$1"
printf '!!Order!!,Call,Sect,State,CK,\r\nK5TR,STX,TX,68,\r\nK1ZZ,CT,CT,85,\r\n' >callhist.txt

start_x 1024x768
start_program "$BINARY"
start_new_contest >/dev/null

type_fast "1ak5tr " # the history's 68 STX
press Return
wait_for_lines 1
type_fast "2bk1zz 72" # over the history's 85; its CT stays
press Return
wait_for_lines 2
type_fast "3uk3xx 70ntx"
press Return
wait_for_lines 3

expect_log 40 \
    '"1","1","A","K5TR","68","STX"' \
    '"2","2","B","K1ZZ","72","CT"' \
    '"3","3","U","K3XX","70","NTX"'
[ ! -e nsaids.txt ] || fail "nsaids.txt written though no aid was set up"
echo "PASS"
