#!/usr/bin/env bash
# The radio through a real rigctld (Hamlib's dummy rig) that Vantor shares: the radio
# tuned to 14025 kHz puts Vantor on 20 m, the band menu tunes the radio, a rigctld that
# dies leaves the radio lost while contacts are still logged, and the same rigctld
# started again is found again by itself.
#   radio_follows.sh PATH-TO-vantor
source "$(dirname "$0")/lib.sh"

command -v rigctld >/dev/null && command -v rigctl >/dev/null ||
    { echo "SKIP: Hamlib's rigctld and rigctl are not installed"; exit 77; }

begin_test "$1"
RIG_PID=""
stop_rig() {
    if [ -n "$RIG_PID" ]; then
        kill "$RIG_PID" 2>/dev/null || true
        wait "$RIG_PID" 2>/dev/null || true
        RIG_PID=""
    fi
}
# On a failure, what the radio's label showed helps more than the last step's name.
trap 'status=$?; [ "$status" -eq 0 ] || grep -F "vantor radio:" "$WORK/stderr.txt" >&2 || true
      stop_rig; cleanup' EXIT

# A port nothing listens on.
free_port() {
    local p i
    for i in $(seq 1 100); do
        p=$((20000 + RANDOM % 40000))
        (exec 3<>"/dev/tcp/127.0.0.1/$p") 2>/dev/null || { echo "$p"; return 0; }
    done
    fail "no free port"
}
rig() { rigctl -m 2 -r "127.0.0.1:$RIG_PORT" "$@"; }
rig_answers() { kill -0 "$RIG_PID" 2>/dev/null && rig f >/dev/null 2>&1; }
start_rig() {
    rigctld -m 1 -T 127.0.0.1 -t "$RIG_PORT" >/dev/null 2>&1 &
    RIG_PID=$!
    wait_until "rigctld on port $RIG_PORT" rig_answers
}
# The radio's state label as the program shows it (VANTOR_TRACE reports each change).
shown() { grep -Fq "vantor radio: $1" "$WORK/stderr.txt"; }
shown_after() { tail -n +"$1" "$WORK/stderr.txt" | grep -Fq "vantor radio: $2"; }
on_band() { [ "$(sed -n 9p nspref.txt 2>/dev/null | tr -d '\r')" = "\"$1\"" ]; }
radio_at() { [ "$(rig f 2>/dev/null)" = "$1" ]; }
log_contact() {
    type_fast "$1"
    press Return
    wait_for_lines "$2"
}

RIG_PORT=$(free_port)
start_rig
printf 'radio=shared\nhost=127.0.0.1\nport=%s\n' "$RIG_PORT" >nsradio.txt

start_x 1024x768
export VANTOR_TRACE=1
start_program "$BINARY"
start_new_contest >/dev/null
wait_until "the radio connected" shown "Radio: 145000.00 kHz is outside the contest bands"
on_band 40 || fail "the band changed for a frequency outside the contest bands"

# The radio moves: the band follows within a second of rigctl's return.
rig F 14025000
moved=$(date +%s%N)
wait_until "band 20" on_band 20
elapsed_ms=$((($(date +%s%N) - moved) / 1000000))
echo "band 20 taken ${elapsed_ms} ms after the radio moved"
[ "$elapsed_ms" -le 1000 ] || fail "band 20 came ${elapsed_ms} ms after the radio moved"
wait_until "the frequency shown" shown "Radio: 14025.00 kHz"
log_contact 1ak1aa85ct 1

# The band menu tunes the radio: 40 m has no last frequency, so the usual CW one.
press alt+b Down Down Return # "  40"
wait_until "the radio on 40 m" radio_at 7030000
on_band 40 || fail "the band menu did not choose 40"
rig F 14030000
wait_until "band 20 again" on_band 20

# rigctld dies: the radio is lost, logging goes on.
kill "$RIG_PID"
wait "$RIG_PID" 2>/dev/null || true
RIG_PID=""
wait_until "the lost radio shown" shown "Radio lost: "
log_contact 2bk1bb72me 2

# The same rigctld again: found by itself; its dummy rig starts outside the contest
# bands, so the band stays.
mark=$(($(wc -l <"$WORK/stderr.txt") + 1))
start_rig
wait_until "the radio found again" shown_after "$mark" \
    "Radio: 145000.00 kHz is outside the contest bands; the band stays 20"
log_contact 3ak1cc66ema 3

press alt+f Up Return # Exit
wait_for_exit
expect_log 20 '"1","1","A","K1AA","85","CT"' '"2","2","B","K1BB","72","ME"' \
    '"3","3","A","K1CC","66","EMA"'
grep -q '^band20=14030000$' nsradio.txt || fail "nsradio.txt lacks the last 20 m frequency: $(cat nsradio.txt)"
echo "PASS"
