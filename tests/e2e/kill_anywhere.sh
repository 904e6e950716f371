#!/usr/bin/env bash
# Contacts typed through the real window while the program is killed outright
# (SIGKILL) at random moments, again and again. After every kill log.txt still loads
# (the next start continues it), every line is a whole record, and every contact whose
# fields were cleared on screen is in it.
#   kill_anywhere.sh PATH-TO-vantor [KILLS]   (KILLS defaults to VANTOR_KILLS or 20)
source "$(dirname "$0")/lib.sh"

KILLS=${2:-${VANTOR_KILLS:-20}}
begin_test "$1"
export VANTOR_TRACE=1
printf '"K9ABC"\r\n0\r\n"A"\r\n"85"\r\n"CT"\r\n5\r\n0\r\n1\r\n"40"\r\n0\r\n' >nspref.txt
: >log.txt
: >acknowledged.txt
start_x 1024x768

# Calls W0AAA, W0AAB, ...: never a duplicate across the whole run.
next=0
call_number() {
    local n=$1 letters=ABCDEFGHIJKLMNOPQRSTUVWXYZ
    printf 'w%d%s%s%s' $((n / 17576 % 10)) "${letters:$((n / 676 % 26)):1}" \
        "${letters:$((n / 26 % 26)):1}" "${letters:$((n % 26)):1}"
}

record='"[0-9]+","[0-9]+","A","W[0-9][A-Z]{3}","85","CT","[0-9]{1,2}/[0-9]{1,2}/[0-9]{4}","[0-2][0-9]:[0-5][0-9]:[0-5][0-9]","40"'
RANDOM=${VANTOR_KILL_SEED:-$$}
for round in $(seq 1 "$KILLS"); do
    start_program "$BINARY"
    focus_program_window >/dev/null
    press Return
    focus_window "Amateur Station I.D." >/dev/null
    press Return
    focus_window "Open existing log?" >/dev/null
    press y
    focus_window "Vantor 2.5" >/dev/null || fail "round $round: log.txt did not load"

    # Type contacts without pause until the kill, which comes 0.05 to 3 s from now.
    first=$next
    (
        n=$first
        while true; do
            xdotool type --delay 15 "$((n % 900 + 1))a$(call_number "$n")85ct"
            xdotool key Return
            n=$((n + 1))
        done
    ) &
    typist=$!
    sleep "$((RANDOM % 3)).$((RANDOM % 95 + 5))"
    kill -KILL "$APP_PID"
    wait "$APP_PID" 2>/dev/null || true
    kill "$typist" 2>/dev/null || true
    wait "$typist" 2>/dev/null || true
    APP_PID=""
    next=$((first + 200))

    grep -E '^vantor stored ' "$WORK/stderr.txt" | cut -d' ' -f4 >>acknowledged.txt || true
    lines=$(wc -l <log.txt)
    [ "$(tr -cd '\r' <log.txt | wc -c)" -eq "$lines" ] || fail "round $round: a line lacks CR LF"
    [ -z "$(tail -c 1 log.txt)" ] || [ "$(tail -c 2 log.txt | od -An -c | tr -d ' ')" = '\r\n' ] ||
        fail "round $round: log.txt ends in the middle of a line"
    if bad=$(tr -d '\r' <log.txt | grep -Evn "^$record\$"); then
        fail "round $round: damaged record: $bad"
    fi
    while read -r call; do
        grep -q "\"$call\"" log.txt || fail "round $round: $call was acknowledged but is not in log.txt"
    done <acknowledged.txt
    echo "round $round: $lines contacts, $(wc -l <acknowledged.txt) acknowledged so far"
done
[ -s acknowledged.txt ] || fail "no contact was acknowledged in $KILLS rounds"
echo "PASS ($KILLS kills, $(wc -l <log.txt) contacts)"
