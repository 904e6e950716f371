#!/usr/bin/env bash
# Ten digits typed as Num Sent in the edit dialog: the box keeps five, the rewritten log
# holds them, and the log still loads after a restart, where the next contact continues
# the serial numbers from there.
#   edit_limits.sh PATH-TO-vantor
source "$(dirname "$0")/lib.sh"

begin_test "$1"
export VANTOR_TIMING=1

l1='"1","11","A","W1AW","85","CT","11/7/2026","21:00:05","40"'
l2='"2","12","B","K2XX","70","ENY","11/7/2026","21:05:00","40"'
l2edited='"22222","12","B","K2XX","70","ENY","11/7/2026","21:05:00","40"'
printf '%s\r\n' "$l1" "$l2" >log.txt
printf '"N0CALL"\r\n0\r\n"A"\r\n"99"\r\n"MN"\r\n0\r\n0\r\n1\r\n"40"\r\n0\r\n' >nspref.txt
printf '%s\r\n' "$l1" "$l2edited" >edited.txt

start_x 1024x768
continue_contest
wait_for_load 2

# From the serial-number field to the list (newest first), then "Edit Contact".
press Tab Tab Tab Tab Tab Tab Tab Tab Tab
press Down Up # record 2, the newest
press shift+Tab shift+Tab space
focus_window "Edit Contact Entry" >/dev/null
press End shift+Home # Num Sent, selected
type_fast "2222222222"
press Return
wait_for_log edited.txt
focus_window "Vantor 2.5" >/dev/null
press alt+f Up Return
wait_for_exit

continue_contest
wait_for_load 2
type_fast "5bk9zz33wi"
press Return
wait_for_lines 3
press alt+f Up Return
wait_for_exit

head -c "$(stat -c %s edited.txt)" log.txt | cmp -s - edited.txt || fail "the edited lines changed"
tail -n 1 log.txt >last.txt
expect_lines last.txt \
    '"22223","5","B","K9ZZ","33","WI","[0-9]{1,2}/[0-9]{1,2}/[0-9]{4}","[0-2][0-9]:[0-5][0-9]:[0-5][0-9]","40"'
echo "PASS"
