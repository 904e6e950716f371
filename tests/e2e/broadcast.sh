#!/usr/bin/env bash
# The contact broadcast of the real program: with nsshare.txt naming a listener on
# this computer, a contact typed, then corrected and deleted from the recent-contacts
# list, each reach it as one well-formed datagram (contactinfo, contactreplace,
# contactdelete) telling the contact as log.txt holds it, under one ID.
#   broadcast.sh PATH-TO-vantor
source "$(dirname "$0")/lib.sh"
SINK="$(cd "$(dirname "$0")" && pwd)/udp_sink.py"

begin_test "$1"
export VANTOR_TIMING=1
mkdir packets
python3 "$SINK" listen "$WORK/packets" &
SINK_PID=$!
trap 'kill "$SINK_PID" 2>/dev/null || true; cleanup' EXIT
wait_until "the listener" test -s packets/port

l1='"1","11","A","K2XX","70","ENY","11/7/2026","21:00:05","40"'
printf '%s\r\n' "$l1" >log.txt
printf '"W1AW"\r\n0\r\n"A"\r\n"85"\r\n"CT"\r\n0\r\n0\r\n1\r\n"20"\r\n0\r\n' >nspref.txt
printf 'broadcast=on\ndestination=127.0.0.1:%s\n' "$(cat packets/port)" >nsshare.txt

packets() { find packets -name '*.xml' | wc -l; }
has_packets() { [ "$(packets)" -ge "$1" ]; }

start_x 1024x768
continue_contest
wait_for_load 1
[ "$(packets)" -eq 0 ] || fail "a packet was sent when the log was loaded"

type_fast "12bk9xyz72wi"
press Return
wait_for_lines 2
wait_until "the contactinfo packet" has_packets 1
id=$(python3 "$SINK" check packets/001.xml contactinfo "$(sed -n 2p log.txt)") || exit 1

# The newest row (record 2) is edited: its section becomes IL.
press Tab Tab Tab Tab Tab Tab Tab Tab Tab
press Down Up
press shift+Tab shift+Tab space # "Edit Contact"
focus_window "Edit Contact Entry" >/dev/null
press Tab Tab Tab Tab Tab
type_text "il"
press Return
wait_until "the corrected log" grep -q '"IL"' log.txt
wait_until "the contactreplace packet" has_packets 2
python3 "$SINK" check packets/002.xml contactreplace "$(sed -n 2p log.txt)" "$id" >/dev/null ||
    exit 1
edited=$(sed -n 2p log.txt)

focus_window "Vantor 2.5" >/dev/null
press Tab Tab Tab Tab Tab Tab Tab Tab Tab
press Down Up
press shift+Tab space # "Delete Contact"
wait_for_lines 1
wait_until "the contactdelete packet" has_packets 3
python3 "$SINK" check packets/003.xml contactdelete "$edited" "$id" >/dev/null || exit 1

press alt+f Up Return
wait_for_exit
[ "$(packets)" -eq 3 ] || fail "$(packets) packets, expected 3"
echo "PASS"
