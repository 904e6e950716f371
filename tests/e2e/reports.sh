#!/usr/bin/env bash
# The traditional reports from the File > Print menu, chosen with the keyboard: three
# contacts with a "Time Off" between the first and the second, then "Write ASCII Log
# File", "Write ASCII Dupe File", "Print Log" and "Print Dupe Sheet", each after its
# warning. Without a printer the printouts go to Log.pdf and DupeSheet.pdf.
#   reports.sh PATH-TO-vantor
source "$(dirname "$0")/lib.sh"

begin_test "$1"
skip_with_printer

WARNING="traditional log submission format may not be valid"

# Waits until the file exists and holds at least the given number of lines.
wait_for_lines() {
    local file=$1 lines=$2 i
    for i in $(seq 1 $((E2E_TIMEOUT * 10))); do
        [ -f "$file" ] && [ "$(wc -l <"$file")" -ge "$lines" ] && return 0
        sleep 0.1
    done
    fail "$file did not reach $lines lines"
}

# Waits until the UTC clock has passed the given hh:mm:ss of today.
wait_past() {
    local i
    for i in $(seq 1 $((E2E_TIMEOUT * 10))); do
        [[ "$(date -u +%H:%M:%S)" > "$1" ]] && return 0
        sleep 0.1
    done
    fail "the clock did not pass $1"
}

# File > Print > the item so many steps below "Print Log" (the separator is skipped).
print_menu() {
    press alt+f Down Down Right
    local i
    for ((i = 0; i < $1; i++)); do press Down; done
    press Return
}

start_x 1024x768
start_program "$BINARY"
main=$(start_new_contest)
type_text "5bk9xyz72il"
press Return # the first contact starts the clock
wait_for_lines log.txt 1
wait_past "$(cut -d, -f8 log.txt | tr -d '"\r')"
# Log "Time Off", by mouse: it is the one button without a key.
eval "$(xdotool getwindowgeometry --shell "$main")"
xdotool mousemove --window "$main" $((WIDTH * 346 / 1024)) $((HEIGHT * 620 / 768)) click 1
wait_for_lines nsonoff.txt 2
xdotool windowfocus --sync "$main"
type_text "17an1aa61ct"
press Return # the clock starts again
type_text "2qk1bb99ct"
press Return
wait_for_lines log.txt 3

for item in 3 4 0 1; do # Write ASCII Log, Write ASCII Dupe, Print Log, Print Dupe Sheet
    print_menu $item
    focus_window "$WARNING" >/dev/null
    press Return
    focus_window "Vantor 2.5" >/dev/null
done
wait_for_lines ASCIIDup.txt 5
for pdf in Log.pdf DupeSheet.pdf; do
    for i in $(seq 1 $((E2E_TIMEOUT * 10))); do
        pdftotext "$pdf" - 2>/dev/null | grep -q "K9XYZ" && break
        sleep 0.1
    done
done
press alt+f Up Return
wait_for_exit

# The expected listing, field by field at the columns of the traditional log.
field() { sed -n "${1}p" "$2" | cut -d, -f"$3" | tr -d '"\r'; }
contact() { # record, section with marker, running score
    local t
    t=$(field "$1" log.txt 8)
    printf '%-4s%-10s%-5s%-8s%-7s%-2s%-10s%-3s%-12s %s \r\n' "$(field "$1" log.txt 9)" \
        "$(field "$1" log.txt 7)" "${t:0:2}${t:3:2}" "$(field "$1" log.txt 1)" \
        "$(field "$1" log.txt 2)" "$(field "$1" log.txt 3)" "$(field "$1" log.txt 4)" \
        "$(field "$1" log.txt 5)" "$2" "$3"
}
onoff() { # journal record
    if [ "$(field "$1" nsonoff.txt 1)" = 1 ]; then
        printf ' Logged ON  at %s  %s\r\n' "$(field "$1" nsonoff.txt 2)" "$(field "$1" nsonoff.txt 3)"
    else
        printf ' Logged OFF at %s  %s  Cumulative contest duration = %s\r\n' \
            "$(field "$1" nsonoff.txt 2)" "$(field "$1" nsonoff.txt 3)" "$(field "$1" nsonoff.txt 4)"
    fi
}
[ "$(wc -l <nsonoff.txt)" -eq 4 ] || fail "nsonoff.txt: $(cat -A nsonoff.txt)"
{
    onoff 1
    contact 1 "IL  New! 1" 2
    onoff 2
    onoff 3
    contact 2 "CT  New! 2" 8
    contact 3 "CT" 12
} >expected-log.txt
# The exit's time-off comes after every contact.
cmp ASCIILog.txt expected-log.txt ||
    fail "ASCIILog.txt differs: $(cat -A ASCIILog.txt) expected $(cat -A expected-log.txt)"
printf 'K1BB\r\nN1AA\r\nK9XYZ\r\n\r\nTotal Contacts 3    Total Sections 2   Total Score 12 \r\n' \
    >expected-dupe.txt
cmp ASCIIDup.txt expected-dupe.txt || fail "ASCIIDup.txt differs: $(cat -A ASCIIDup.txt)"

pdftotext -layout Log.pdf log-pdf.txt
grep -q "ARRL Sweepstakes" log-pdf.txt || fail "Log.pdf has no header"
grep -q "Logged OFF at" log-pdf.txt || fail "Log.pdf has no time off"
for call in K9XYZ N1AA K1BB; do
    grep -q "$call" log-pdf.txt || fail "Log.pdf lacks $call"
done
pdftotext -layout DupeSheet.pdf dupe-pdf.txt
grep -q "Dupe Sheet" dupe-pdf.txt || fail "DupeSheet.pdf has no header"
tr -s ' ' <dupe-pdf.txt | grep -q "Total Contacts 3 Total Sections 2 Total Score 12" ||
    fail "DupeSheet.pdf has no totals: $(cat dupe-pdf.txt)"
echo "PASS"
