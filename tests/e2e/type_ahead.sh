#!/usr/bin/env bash
# A duplicate typed at contest speed (20 ms a key) with the rest of its exchange and
# Enter typed ahead: the red announcement is painted and stays up for three seconds,
# the keys typed meanwhile are discarded, and the exchange typed once the red is gone
# is logged exactly.
#   type_ahead.sh PATH-TO-vantor
source "$(dirname "$0")/lib.sh"

begin_test "$1"
start_x 1024x768
start_program "$BINARY"
start_new_contest >/dev/null

fast() {
    type_fast "$1"
    xdotool key Return
}
now_ms() {
    echo $(($(date +%s%N) / 1000000))
}

fast "100ak5tr68stx"
wait_for_lines 1

started=$(now_ms)
fast "200ak5tr68stx" # caught when the 6 leaves the call field
wait_until "the red duplicate announcement" red_shown
wait_until "the end of the three seconds" eval '! red_shown'
held=$(($(now_ms) - started))
[ "$held" -ge 2900 ] || fail "the announcement went away after $held ms"

fast "201bw1aw85ct"
wait_for_lines 2
press alt+f Up Return # Exit
wait_for_exit

expect_log 40 '"1","100","A","K5TR","68","STX"' '"2","201","B","W1AW","85","CT"'
echo "PASS (red for $held ms)"
