#!/usr/bin/env bash
# The summary sheet window from the File > Print menu, filled with the keyboard: the
# summary file, the Cabrillo file and the printed sheet (a PDF without a printer).
#   summary.sh PATH-TO-vantor
source "$(dirname "$0")/lib.sh"

begin_test "$1"
skip_with_printer

start_x 1024x768
start_program "$BINARY"
start_new_contest >/dev/null
type_text "5bk9xyz72il"
press Return
type_text "17an1aa61ct"
press Return

press alt+f Down Down Right Down Down Return # Print Summary Sheet
focus_window "Summary Sheet Information" >/dev/null
# The focus starts on the own license class; Tab leaves the operator's call empty,
# which skips the operator's class.
press Tab Tab      # the operator's call, then "Single"
press Tab Right    # category: Single-Op-Assisted
press Tab          # the operators' calls stay empty
press Tab space    # power: QRP
press Tab
type_text "IC-7300"
press Tab
type_text "100"
press Tab
type_text "Dipole"
press Tab
type_text "Hiram Maxim"
press Tab
type_text "225 Main St"
press Tab
type_text "Newington CT"
press Tab space # club participation: Yes
press Tab
type_text "Newington ARC"
press Tab
type_text "w1aw@example.org"
press Tab
type_text "Great fun"
press Tab Return # Write Sum File
focus_window "traditional log submission format may not be valid" >/dev/null
press Return
wait_for_file ASCIISum.txt
focus_window "Summary Sheet Information" >/dev/null
press shift+Tab shift+Tab Return # from "Done" back to Write Cabrillo Fmt
wait_for_file ASCIICab.txt
press shift+Tab Return # Print Sum Form
focus_window "traditional log submission format may not be valid" >/dev/null
press Return
focus_window "Vantor$" >/dev/null # where the pages went
press Return
focus_window "Summary Sheet Information" >/dev/null
press Return # Done
focus_window "Vantor 2.5" >/dev/null
press alt+f Up Return
wait_for_exit

# The typed entries in their places.
for line in "Call Used: W1AW    ARRL Section: CT    License Class: Other" \
    " X Single Operator" \
    "Scoring: 4 QSO points X 2 sections = 8 claimed score" \
    "Club participation? Yes" \
    "ARRL Affiliated Club: Newington ARC" \
    "Rigs: IC-7300" \
    "Antennas: Dipole" \
    "Name:          Hiram Maxim     Call:W1AW" \
    "Address:       225 Main St" \
    "               Newington CT" \
    "Email Address: w1aw@example.org"; do
    grep -qxF "$line"$'\r' ASCIISum.txt || fail "ASCIISum.txt lacks '$line': $(cat -A ASCIISum.txt)"
done

# Each contact line by the Cabrillo columns, from the log's own fields.
field() { sed -n "${1}p" log.txt | cut -d, -f"$2" | tr -d '"\r'; }
qso() {
    local t m d y
    t=$(field "$1" 8)
    IFS=/ read -r m d y <<<"$(field "$1" 7)"
    printf 'QSO: %-6s%-4s%-11s%-5s%-12s%-5s%-2s%-3s%-4s%-12s%-5s%-2s%-3s%s\r\n' 7000 CW \
        "$(printf '%04d-%02d-%02d' "$y" "$((10#$m))" "$((10#$d))")" "${t:0:2}${t:3:2}" W1AW \
        "$(field "$1" 1)" A 85 CT "$(field "$1" 4)" "$(field "$1" 2)" "$(field "$1" 3)" \
        "$(field "$1" 5)" "$(field "$1" 6)"
}
{
    printf '%s\r\n' "START-OF-LOG: 2.0" "ARRL-SECTION: CT" "CONTEST: ARRL-SS-CW" "CALLSIGN: W1AW" \
        "CATEGORY: SINGLE-OP-ASSISTED ALL QRP" "CLAIMED-SCORE:  8 " "OPERATORS: W1AW" \
        "CLUB: Newington ARC" "NAME: Hiram Maxim" "ADDRESS: 225 Main St" \
        "ADDRESS: Newington CT" "SOAPBOX: Great fun"
    qso 1
    qso 2
    printf 'END-OF-LOG:\r\n'
} >expected-cab.txt
cmp ASCIICab.txt expected-cab.txt ||
    fail "ASCIICab.txt differs: $(cat -A ASCIICab.txt) expected $(cat -A expected-cab.txt)"

pdftotext -layout SummarySheet.pdf sheet.txt
[ "$(tr -cd '\f' <sheet.txt | wc -c)" -eq 2 ] || fail "SummarySheet.pdf is not two pages"
for text in "ARRL NOVEMBER SWEEPSTAKES CW CONTEST" "Hiram Maxim" "Sections worked:"; do
    grep -qF "$text" sheet.txt || fail "SummarySheet.pdf lacks '$text'"
done
echo "PASS"
