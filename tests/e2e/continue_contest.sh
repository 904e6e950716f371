#!/usr/bin/env bash
# Continuing a contest of 500 contacts with the start-up timing switched on: one more
# contact numbered 501, a stop of the clock, and three timing lines on standard error.
#   continue_contest.sh PATH-TO-vantor PATH-TO-vantor-loggen
source "$(dirname "$0")/lib.sh"

LOGGEN=$(realpath "$2")
begin_test "$1"
export VANTOR_TIMING=1

"$LOGGEN" 500 7 >log.txt
printf '"N0CALL"\r\n0\r\n"A"\r\n"99"\r\n"MN"\r\n0\r\n0\r\n1\r\n"15"\r\n3600\r\n' >nspref.txt
cp log.txt before.txt

start_x 1024x768
continue_contest # the stored station stands
type_text "77mzz9zz12ab"
press Return
press alt+f Up Return
wait_for_exit

head -c "$(stat -c %s before.txt)" log.txt | cmp -s - before.txt || fail "earlier contacts changed"
date='[0-9]{1,2}/[0-9]{1,2}/[0-9]{4}'
time='[0-2][0-9]:[0-5][0-9]:[0-5][0-9]'
tail -n 1 log.txt >last.txt
expect_lines last.txt "\"501\",\"77\",\"M\",\"ZZ9ZZ\",\"12\",\"AB\",\"$date\",\"$time\",\"15\""
expect_lines nspref.txt '"N0CALL"' 0 '"A"' '"99"' '"MN"' 0 0 1 '"15"' '36[0-9][0-9]'
expect_lines nsonoff.txt "1,\"$date\",\"$time\",\"01:00:00\"" "0,\"$date\",\"$time\",\"01:00:[0-9][0-9]\""
# The stop counts the seconds since the start whether or not a clock tick came between
# (Enter and Exit can fall within one second): the journal and the settings agree.
optime=$(sed -n 10p nspref.txt | tr -d '\r')
stopped=$(printf '"%02d:%02d:%02d"' $((optime / 3600)) $((optime / 60 % 60)) $((optime % 60)))
[ "$(tail -n 1 nsonoff.txt | tr -d '\r' | cut -d, -f4)" = "$stopped" ] ||
    fail "journal and settings disagree: $(cat nsonoff.txt) / $optime"

grep -Eq '^vantor timing: splash shown [0-9]+ ms$' stderr.txt || fail "no splash milestone"
grep -Eq '^vantor timing: main window shown [0-9]+ ms$' stderr.txt || fail "no window milestone"
grep -Eq '^vantor timing: log loaded \(500 contacts\) [0-9]+ ms$' stderr.txt ||
    fail "no log milestone: $(cat stderr.txt)"
echo "PASS"
