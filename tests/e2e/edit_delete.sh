#!/usr/bin/env bash
# Correcting a continued log with the keyboard: the second row of the recent-contacts
# list is edited (its section becomes NNY), the newest row is deleted, and after a
# restart the log holds the two corrected lines, loads as two contacts with their
# sections and score, and the next contact takes the deleted record's serial number
# again.
#   edit_delete.sh PATH-TO-vantor
source "$(dirname "$0")/lib.sh"

begin_test "$1"
export VANTOR_TIMING=1

l1='"1","11","A","W1AW","85","CT","11/7/2026","21:00:05","40"'
l2='"2","12","B","K2XX","70","ENY","11/7/2026","21:05:00","40"'
l2nny='"2","12","B","K2XX","70","NNY","11/7/2026","21:05:00","40"'
l3='"3","13","Q","N3YY","99","EPA","11/7/2026","21:10:00","20"'
printf '%s\r\n' "$l1" "$l2" "$l3" >log.txt
printf '"N0CALL"\r\n0\r\n"A"\r\n"99"\r\n"MN"\r\n0\r\n0\r\n1\r\n"15"\r\n0\r\n' >nspref.txt
printf '%s\r\n' "$l1" "$l2nny" >edited.txt
printf '%s\r\n' "$l1" "$l2nny" "$l3" >expected-edit.txt

start_x 1024x768
continue_contest
wait_for_load 3

# From the serial-number field past the other fields and the four visible buttons to
# the list, whose rows are newest first: record 3, 2, 1.
press Tab Tab Tab Tab Tab Tab Tab Tab Tab
press Down                     # record 2
press shift+Tab shift+Tab space # "Edit Contact"
focus_window "Edit Contact Entry" >/dev/null
press Tab Tab Tab Tab Tab # to the section, whose text is then selected
type_text "nny"
press Return
wait_for_log expected-edit.txt

focus_window "Vantor 2.5" >/dev/null # the focus is back in the serial-number field
press Tab Tab Tab Tab Tab Tab Tab Tab Tab
press Down Up         # record 3, the newest
press shift+Tab space # "Delete Contact"
wait_for_log edited.txt

press alt+f Up Return
wait_for_exit

continue_contest
wait_for_load 2
# The scoreboard of the reloaded log, as the dupe sheet's totals line gives it: two
# contacts, two sections (CT and NNY), score 8.
press alt+f Down Down Right Down Down Down Down Return # Write ASCII Dupe File
focus_window "traditional log submission format may not be valid" >/dev/null
press Return
focus_window "Vantor 2.5" >/dev/null
wait_for_file ASCIIDup.txt
printf 'W1AW\r\nK2XX\r\n\r\nTotal Contacts 2    Total Sections 2   Total Score 8 \r\n' >dupe.txt
cmp -s ASCIIDup.txt dupe.txt || fail "ASCIIDup.txt after the restart: $(cat -A ASCIIDup.txt)"
type_text "5bk9zz33wi"
press Return
press alt+f Up Return
wait_for_exit

head -c "$(stat -c %s edited.txt)" log.txt | cmp -s - edited.txt || fail "corrected lines changed"
date='[0-9]{1,2}/[0-9]{1,2}/[0-9]{4}'
time='[0-2][0-9]:[0-5][0-9]:[0-5][0-9]'
tail -n 1 log.txt >last.txt
expect_lines last.txt "\"3\",\"5\",\"B\",\"K9ZZ\",\"33\",\"WI\",\"$date\",\"$time\",\"15\""
echo "PASS"
