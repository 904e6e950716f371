# Shared helpers for the end-to-end tests: a private X server, the program started in
# an empty contest folder, and xdotool typing as a person does.

set -euo pipefail

E2E_TIMEOUT=${E2E_TIMEOUT:-20}

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Every test starts alike: the program given on the command line, an empty contest
# folder that is removed at the end, a fixed locale and time zone.
begin_test() {
    BINARY=$(realpath "$1")
    TEST_STARTED=$(date -u +%s)
    WORK=$(mktemp -d)
    trap cleanup EXIT
    cd "$WORK"
    export LC_ALL=C.UTF-8 LANG=C.UTF-8 TZ=UTC
}

start_x() {
    local size=${1:-1024x768}
    local fifo
    fifo=$(mktemp -u)
    mkfifo "$fifo"
    # -noreset: without it the server resets when its last client leaves, and a program
    # started again at that moment cannot connect to the display.
    Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -noreset 3>"$fifo" 2>/dev/null &
    XVFB_PID=$!
    local display
    read -r -t 10 display <"$fifo" || fail "Xvfb did not start"
    rm -f "$fifo"
    export DISPLAY=":$display"
}

start_program() {
    local binary=$1
    "$binary" >"$WORK/stdout.txt" 2>"$WORK/stderr.txt" &
    APP_PID=$!
}

cleanup() {
    # SIGTERM ends the program as File > Exit does: it may still be writing its files
    # when the folder is removed, so it is given a moment and then killed outright.
    if [ -n "${APP_PID:-}" ] && kill "$APP_PID" 2>/dev/null; then
        local i
        for i in $(seq 1 50); do kill -0 "$APP_PID" 2>/dev/null || break; sleep 0.1; done
        kill -KILL "$APP_PID" 2>/dev/null || true
        wait "$APP_PID" 2>/dev/null || true
    fi
    [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null || true
    [ -n "${WORK:-}" ] && [ -z "${KEEP_WORK:-}" ] && rm -rf "$WORK"
    return 0
}

# Waits for a visible window whose title matches and gives it the keyboard.
focus_window() {
    local title=$1
    local wid
    wid=$(timeout "$E2E_TIMEOUT" xdotool search --sync --onlyvisible --name "$title" | head -n 1) ||
        fail "no window titled '$title'"
    xdotool windowfocus --sync "$wid"
    sleep 0.3
    echo "$wid"
}

# The first visible window of the program.
focus_program_window() {
    local wid
    wid=$(timeout "$E2E_TIMEOUT" xdotool search --sync --onlyvisible --pid "$APP_PID" | head -n 1) ||
        fail "the program shows no window"
    xdotool windowfocus --sync "$wid"
    sleep 0.3
    echo "$wid"
}

type_text() {
    xdotool type --delay 40 "$1"
    sleep 0.2
}

# Types at contest speed, 20 ms a key, without waiting after.
type_fast() {
    xdotool type --delay 20 "$1"
}

press() {
    xdotool key --delay 60 "$@"
    sleep 0.3
}

wait_for_exit() {
    local i
    for i in $(seq 1 $((E2E_TIMEOUT * 10))); do
        kill -0 "$APP_PID" 2>/dev/null || { wait "$APP_PID" || true; APP_PID=""; return 0; }
        sleep 0.1
    done
    fail "the program did not end"
}

# Compares a file with a pattern: each line of the pattern is an extended regular
# expression for the same line of the file (CR LF line ends expected).
expect_lines() {
    local file=$1
    shift
    [ -f "$file" ] || fail "$file is missing"
    local crlf
    crlf=$(tr -cd '\r' <"$file" | wc -c)
    local lines
    lines=$(wc -l <"$file")
    [ "$crlf" -eq "$lines" ] || fail "$file: not every line ends with CR LF"
    [ "$lines" -eq "$#" ] || fail "$file: $lines lines, expected $#: $(cat -A "$file")"
    local n=0 pattern line
    for pattern in "$@"; do
        n=$((n + 1))
        line=$(sed -n "${n}p" "$file" | tr -d '\r')
        [[ "$line" =~ ^${pattern}$ ]] || fail "$file line $n: '$line' does not match '$pattern'"
    done
}

# Waits until the file exists and is not empty.
wait_for_file() {
    local i
    for i in $(seq 1 $((E2E_TIMEOUT * 10))); do
        [ -s "$1" ] && return 0
        sleep 0.1
    done
    fail "$1 was not written"
}

# Printouts must go to PDF files: with a default printer the test would print pages.
skip_with_printer() {
    if command -v lpstat >/dev/null && lpstat -d 2>/dev/null | grep -q 'system default destination'; then
        echo "SKIP: a default printer would print real pages"
        exit 77
    fi
}

# A first start in the empty folder: W1AW, precedence A, check 85, CT, no hours from
# UTC, then a new contest; ends with the main window focused.
start_new_contest() {
    focus_program_window >/dev/null
    press Return
    focus_window "Amateur Station I.D." >/dev/null
    type_text "w1aw"
    press Tab
    type_text "a"
    press Tab
    type_text "85"
    press Tab
    type_text "ct"
    press Tab
    type_text "0"
    press Return
    focus_window "Open existing log?" >/dev/null
    press n
    focus_window "Start new contest?" >/dev/null
    press y
    focus_window "Vantor 2.5"
}

# Waits, up to the deadline, until the command succeeds.
wait_until() {
    local what=$1
    shift
    local end=$((SECONDS + E2E_TIMEOUT))
    until "$@"; do
        [ "$SECONDS" -lt "$end" ] || fail "timed out waiting for $what"
        sleep 0.1
    done
}

# Pixels of the screen in pure red, the colour of a duplicate announcement.
red_pixels() {
    import -window root png:- |
        convert png:- -fill black +opaque '#FF0000' -fill white -opaque '#FF0000' \
            -format '%[fx:round(mean*w*h)]' info:
}

red_shown() {
    [ "$(red_pixels)" -gt 1000 ]
}

# log.txt must hold exactly these records, byte for byte: each argument is a record's
# first six fields as written ("1","100","A","K5TR","68","STX"); each line goes on with
# a UTC stamp from this test's run and the band given first.
expect_log() {
    local band=$1
    shift
    [ -f log.txt ] || fail "log.txt is missing"
    local now expected="" n=0 record line date time at
    now=$(date -u +%s)
    for record in "$@"; do
        n=$((n + 1))
        line=$(sed -n "${n}p" log.txt | tr -d '\r')
        date=$(awk -F'","' '{print $7}' <<<"$line")
        time=$(awk -F'","' '{print $8}' <<<"$line")
        at=$(date -u -d "$date $time" +%s 2>/dev/null) || fail "log.txt line $n has no stamp: $line"
        [ "$at" -ge $((TEST_STARTED - 1)) ] && [ "$at" -le $((now + 1)) ] ||
            fail "log.txt line $n: $date $time is not a stamp of this run"
        expected+="$record,\"$date\",\"$time\",\"$band\""$'\r\n'
    done
    printf '%s' "$expected" | cmp -s - log.txt || fail "log.txt is not as expected: $(cat -A log.txt)"
}

# Waits until log.txt holds exactly the bytes of the given file.
wait_for_log() {
    local i
    for i in $(seq 1 $((E2E_TIMEOUT * 10))); do
        cmp -s log.txt "$1" && return 0
        sleep 0.1
    done
    fail "log.txt is not as expected: $(cat -A log.txt)"
}

# Waits until log.txt has this many lines.
wait_for_lines() {
    local i
    for i in $(seq 1 $((E2E_TIMEOUT * 10))); do
        [ -f log.txt ] && [ "$(wc -l <log.txt)" -eq "$1" ] && return 0
        sleep 0.1
    done
    fail "log.txt does not have $1 lines: $(cat -A log.txt)"
}

# Waits until the program (started with VANTOR_TIMING set) reports its log loaded with
# this many contacts.
wait_for_load() {
    local i
    for i in $(seq 1 $((E2E_TIMEOUT * 10))); do
        grep -Eq "^vantor timing: log loaded \($1 contacts\)" "$WORK/stderr.txt" && return 0
        sleep 0.1
    done
    fail "no load of $1 contacts: $(cat "$WORK/stderr.txt")"
}

# Starts the program on the contest in the folder: the station dialog as it stands, Yes
# to "Open existing log?"; ends with the main window focused.
continue_contest() {
    start_program "$BINARY"
    focus_program_window >/dev/null
    press Return
    focus_window "Amateur Station I.D." >/dev/null
    press Return
    focus_window "Open existing log?" >/dev/null
    press y
    focus_window "Vantor 2.5" >/dev/null
}

# From the main window: Write Cabrillo Fmt in the summary sheet window, waiting for the
# Cabrillo 3.0 file named and the traditional one, then Done and File > Exit.
write_cabrillo_files_and_exit() {
    press alt+f Down Down Right Down Down Return # Print Summary Sheet
    focus_window "Summary Sheet Information" >/dev/null
    press shift+Tab shift+Tab shift+Tab Return # Write Cabrillo Fmt
    wait_for_file "$1"
    wait_for_file ASCIICab.txt
    focus_window "Summary Sheet Information" >/dev/null
    press Return # Done
    focus_window "Vantor 2.5" >/dev/null
    press alt+f Up Return
    wait_for_exit
}
