#!/usr/bin/env bash
# Today's contest: the 85 sections chosen from the grid's menu, PE and GH logged and
# shown worked in the grid, and the Cabrillo 3.0 file written from the summary window.
# With VANTOR_SHOT set, the screen is saved there (the grid of 85 sections).
#   today_contest.sh PATH-TO-vantor
source "$(dirname "$0")/lib.sh"

begin_test "$1"

# Pixels of the worked colour (pure blue) in a rectangle of the screen.
blue_pixels() {
    import -window root -crop "$1" -depth 8 txt:- | grep -c '#0000FF' || true
}

# The Canada cells of today's grid at 1024x768, below the menu bar: GH stands in the
# first column, PE in the second.
FIRST_COLUMN=45x170+911+510
SECOND_COLUMN=45x170+963+510

# Waits until a rectangle shows the worked colour.
wait_for_blue() {
    local i
    for i in $(seq 1 $((E2E_TIMEOUT * 10))); do
        [ "$(blue_pixels "$1")" -gt 0 ] && return 0
        sleep 0.1
    done
    fail "no worked section shown in $1"
}

start_x 1024x768
start_program "$BINARY"
start_new_contest >/dev/null
# The Sections menu (Alt+I) holds the section lists; Up picks its last item,
# "85 sections (today)".
focus_window "Vantor 2.5" >/dev/null
press alt+i Up Return
wait_for_file nssect.txt
[ "$(cat -A nssect.txt)" = '85^M$' ] || fail "nssect.txt holds $(cat -A nssect.txt)"
[ "$(blue_pixels $FIRST_COLUMN)" -eq 0 ] || fail "a Canadian section shows worked too early"
[ "$(blue_pixels $SECOND_COLUMN)" -eq 0 ] || fail "a Canadian section shows worked too early"

focus_window "Vantor 2.5" >/dev/null
type_text "5bvy2aa70pe"
press Return
type_text "7ave3aa61gh"
press Return
type_text "9ave1aa55mar" # MAR is not one of today's sections
press Return
wait_for_blue $FIRST_COLUMN
wait_for_blue $SECOND_COLUMN
[ "$(wc -l <log.txt)" -eq 2 ] || fail "log.txt: $(cat -A log.txt)"
press alt+c # Clear
[ -n "${VANTOR_SHOT:-}" ] && import -window root "$VANTOR_SHOT"

write_cabrillo_files_and_exit W1AW.log

D='[0-9]{4}-[0-9]{2}-[0-9]{2} [0-9]{4}'
expect_lines W1AW.log "START-OF-LOG: 3.0" "CONTEST: ARRL-SS-CW" "CALLSIGN: W1AW" "LOCATION: CT" \
    "CATEGORY-OPERATOR: SINGLE-OP" "CATEGORY-ASSISTED: NON-ASSISTED" "CATEGORY-BAND: ALL" \
    "CATEGORY-MODE: CW" "CATEGORY-POWER: LOW" "CATEGORY-TRANSMITTER: ONE" \
    "CATEGORY-STATION: FIXED" "CLAIMED-SCORE: 8" "CREATED-BY: Vantor 2.5" "OPERATORS: W1AW" \
    "QSO:  7000 CW $D W1AW {13}1 A 85 CT  VY2AA {12}5 B 70 PE" \
    "QSO:  7000 CW $D W1AW {13}2 A 85 CT  VE3AA {12}7 A 61 GH" \
    "END-OF-LOG:"
echo "PASS"
