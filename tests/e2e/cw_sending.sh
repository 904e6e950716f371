#!/usr/bin/env bash
# Sending in CW through Debian's cwdaemon (null keying device, no sound) while a contest
# is typed at 20 ms a key: Enter sends message (CQ, the exchange, TU and the commit),
# F-keys, PgUp/PgDn for the speed and Esc to abort. A UDP listener in front of
# cwdaemon records every datagram and hands it on; cwdaemon's own log shows what it
# took, and it still answers at the end. Each exchange sent must hold the serial number
# then stored in log.txt, and not a key may be lost.
#   cw_sending.sh PATH-TO-vantor
HERE=$(cd "$(dirname "$0")" && pwd)
source "$HERE/lib.sh"

CWDAEMON=${CWDAEMON:-/usr/sbin/cwdaemon}
[ -x "$CWDAEMON" ] || { echo "SKIP: no cwdaemon"; exit 77; }

begin_test "$1"
free_port() {
    python3 -c 'import socket; s=socket.socket(socket.AF_INET, socket.SOCK_DGRAM); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])'
}
CW_PORT=$(free_port)
"$CWDAEMON" -n -d null -x n -p "$CW_PORT" -y i >"$WORK/cwdaemon.log" 2>&1 &
CW_PID=$!
python3 "$HERE/udp_relay.py" "$WORK/relay.port" "$WORK/datagrams.txt" "$CW_PORT" &
RELAY_PID=$!
end_helpers() {
    kill "$RELAY_PID" 2>/dev/null || true
    kill "$CW_PID" 2>/dev/null || true
    cleanup
}
trap end_helpers EXIT
wait_until "the listener" test -s "$WORK/relay.port"
wait_until "cwdaemon" grep -q "Press ^C to quit" "$WORK/cwdaemon.log"

printf 'keyer=cwdaemon\r\nhost=127.0.0.1\r\nport=%s\r\nspeed=30\r\nenter_sends=1\r\n' \
    "$(cat "$WORK/relay.port")" >nskeyer.txt

start_x 1024x768
start_program "$BINARY"
start_new_contest >/dev/null
press alt+t Down Return # TabOrder: Call first

key() { xdotool key --delay 20 "$@"; }

key Return                              # empty form: CQ
type_fast "k5tr"; key Return            # the exchange, then to the serial field
type_fast "100a68stx"; key Return       # complete: TU and the commit
type_fast "w9xyz"; key F2               # the exchange from its key
type_fast "5b72il"; key Return
key Prior Prior                         # 34 wpm
type_fast "n6tv"; key Return F7         # the exchange, then NR?
type_fast "12q02eb"; key Return
key F1 Escape Next                      # CQ stopped at once, 32 wpm
type_fast "kh6a"; key Return
type_fast "7u99pac"; key Return
wait_for_lines 4

press alt+f Up Return # Exit
wait_for_exit

expect_log 40 '"1","100","A","K5TR","68","STX"' '"2","5","B","W9XYZ","72","IL"' \
    '"3","12","Q","N6TV","02","EB"' '"4","7","U","KH6A","99","PAC"'

datagrams() { [ "$(wc -l <"$WORK/datagrams.txt")" -ge 16 ]; }
wait_until "the datagrams" datagrams
expected='<ESC>230
CQ SS W1AW W1AW SS
K5TR 1 A W1AW 85 CT
TU W1AW
W9XYZ 2 A W1AW 85 CT
TU W1AW
<ESC>232
<ESC>234
N6TV 3 A W1AW 85 CT
NR?
TU W1AW
CQ SS W1AW W1AW SS
<ESC>4
<ESC>232
KH6A 4 A W1AW 85 CT
TU W1AW'
diff <(echo "$expected") <(head -n 16 "$WORK/datagrams.txt") ||
    fail "the datagrams sent differ from the expected ones"

# Every exchange sent holds the serial number stored with that contact.
while read -r call serial; do
    stored=$(awk -F'","' -v c="$call" '$4 == c {sub(/^"/, "", $1); print $1}' log.txt)
    [ "$stored" = "$serial" ] || fail "$call was sent $serial, stored with $stored"
done < <(sed -n 's/^\([A-Z0-9]*\) \([0-9]*\) A W1AW 85 CT$/\1 \2/p' "$WORK/datagrams.txt")

# cwdaemon took the text, the speeds and the abort, and still answers.
for taken in 'request: "K5TR 1 A W1AW 85 CT"' 'requested morse speed \[wpm\]: "34"' \
    'requested aborting of message'; do
    grep -q "$taken" "$WORK/cwdaemon.log" || fail "cwdaemon's log lacks: $taken"
done
python3 - "$CW_PORT" <<'PY' || fail "cwdaemon does not answer"
import socket, sys
s = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
s.settimeout(15)
s.sendto(b"\x1bhVANTOR", ("127.0.0.1", int(sys.argv[1])))
s.sendto(b"E", ("127.0.0.1", int(sys.argv[1])))
assert s.recvfrom(100)[0].startswith(b"hVANTOR")
PY
echo "PASS (cwdaemon -n -d null -x n -p $CW_PORT)"
