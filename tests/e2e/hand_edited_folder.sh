#!/usr/bin/env bash
# A contest folder whose log.txt a text editor saved without its last line end is
# continued: one contact typed, then the program is ended by SIGTERM (a logout) while
# the clock runs. The next start loads every contact; the clock is started and the
# program ended by SIGHUP. Each signal records the time off as File > Exit does.
#   hand_edited_folder.sh PATH-TO-vantor
source "$(dirname "$0")/lib.sh"

begin_test "$1"
export VANTOR_TIMING=1
first='"1","5","A","W1AW","85","CT","11/7/2026","02:00:05","40"'
second='"2","17","B","K2XX","44","ENY","11/7/2026","02:01:10","40"'
printf '%s\r\n%s' "$first" "$second" >log.txt
printf '"N0CALL"\r\n0\r\n"A"\r\n"99"\r\n"MN"\r\n0\r\n0\r\n1\r\n"40"\r\n0\r\n' >nspref.txt
date='[0-9]{1,2}/[0-9]{1,2}/[0-9]{4}'
time='[0-2][0-9]:[0-5][0-9]:[0-5][0-9]'
duration='00:00:[0-9][0-9]'

# Waits until the file holds the given number of lines.
wait_for_lines() {
    local i
    for i in $(seq 1 $((E2E_TIMEOUT * 10))); do
        [ -f "$1" ] && [ "$(wc -l <"$1")" -ge "$2" ] && return 0
        sleep 0.1
    done
    fail "$1 did not reach $2 lines: $(cat -A "$1" 2>/dev/null)"
}

start_x 1024x768
continue_contest
xdotool type --delay 20 "3bk3xx72me"
press Return
wait_for_lines log.txt 3
kill -TERM "$APP_PID"
wait_for_exit
expect_lines log.txt "$first" "$second" "\"3\",\"3\",\"B\",\"K3XX\",\"72\",\"ME\",\"$date\",\"$time\",\"40\""
expect_lines nsonoff.txt "1,\"$date\",\"$time\",\"00:00:00\"" "0,\"$date\",\"$time\",\"$duration\""
expect_lines nspref.txt '"N0CALL"' 0 '"A"' '"99"' '"MN"' 0 0 1 '"40"' '[0-9]+'

continue_contest
grep -Eq '^vantor timing: log loaded \(3 contacts\) [0-9]+ ms$' stderr.txt ||
    fail "the restart did not load the three contacts: $(cat stderr.txt)"
xdotool type --delay 20 "4ak4xx55ga"
press Return # the contact starts the clock again
wait_for_lines log.txt 4
wait_for_lines nsonoff.txt 3
kill -HUP "$APP_PID"
wait_for_exit
expect_lines nsonoff.txt "1,\"$date\",\"$time\",\"00:00:00\"" "0,\"$date\",\"$time\",\"$duration\"" \
    "1,\"$date\",\"$time\",\"$duration\"" "0,\"$date\",\"$time\",\"$duration\""
echo "PASS"
