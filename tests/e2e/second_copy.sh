#!/usr/bin/env bash
# A second Vantor started in a folder where one already runs says so and ends without
# touching a file; once the first is killed outright, the folder is free again.
#   second_copy.sh PATH-TO-vantor
source "$(dirname "$0")/lib.sh"

begin_test "$1"
printf '"1","5","A","W1AW","85","CT","11/7/2026","02:00:05","40"\r\n' >log.txt
printf '"K9ABC"\r\n0\r\n"A"\r\n"85"\r\n"CT"\r\n5\r\n0\r\n1\r\n"40"\r\n0\r\n' >nspref.txt

start_x 1024x768
start_program "$BINARY"
FIRST=$APP_PID
focus_program_window >/dev/null
press Return
focus_window "Amateur Station I.D." >/dev/null
press Return
focus_window "Open existing log?" >/dev/null
press y
focus_window "Vantor 2.5" >/dev/null

snapshot() { find . -maxdepth 1 -printf '%p %s %T@\n' | sort; md5sum ./*.txt; }
before=$(snapshot)
"$BINARY" >/dev/null 2>&1 &
APP_PID=$!
focus_program_window >/dev/null # the second copy's only window: its message
press Return
wait "$APP_PID" && fail "the second copy ended without an error status" || true
APP_PID=$FIRST
[ "$(snapshot)" = "$before" ] || fail "the second copy touched a file"
kill -0 "$FIRST" || fail "the first copy ended"

kill -KILL "$FIRST"
wait "$FIRST" 2>/dev/null || true
start_program "$BINARY"
focus_program_window >/dev/null
press Return
focus_window "Amateur Station I.D." >/dev/null || fail "the folder stayed locked"
echo "PASS"
