#!/usr/bin/env bash
# A first contest from nothing, typed with the keyboard only: splash, station dialog,
# No to "Open existing log?", Yes to "Start new contest?", three contacts (the third
# a duplicate), a band chosen from the menu, Exit. Then the three files are checked.
#   first_contest.sh PATH-TO-vantor
source "$(dirname "$0")/lib.sh"

begin_test "$1"

hour_at_start=$(date -u -d '+5 hours' +%H)
start_x 1024x768
start_program "$BINARY"

focus_program_window >/dev/null # the splash: Return presses "Continue"
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
type_text "5"
press Return

focus_window "Open existing log?" >/dev/null
press n
focus_window "Start new contest?" >/dev/null
press y

focus_window "Vantor 2.5" >/dev/null
type_text "123aw1aw85ct"
press Return
type_text "124bk1xx72me"
press Return
type_text "125aw1aw85ct"
press Return

press alt+b Down Down Down Return # "  20"
if [ -n "${VANTOR_SCREENSHOT:-}" ]; then
    import -window root "$VANTOR_SCREENSHOT"
fi
press alt+f Up Return # the last item: Exit
wait_for_exit

date='[0-9]{1,2}/[0-9]{1,2}/[0-9]{4}'
time='[0-2][0-9]:[0-5][0-9]:[0-5][0-9]'
expect_lines log.txt \
    "\"1\",\"123\",\"A\",\"W1AW\",\"85\",\"CT\",\"$date\",\"$time\",\"40\"" \
    "\"2\",\"124\",\"B\",\"K1XX\",\"72\",\"ME\",\"$date\",\"$time\",\"40\""
expect_lines nspref.txt '"W1AW"' 0 '"A"' '"85"' '"CT"' 5 0 1 '"20"' '[0-9]+'
expect_lines nsonoff.txt \
    "1,\"$date\",\"$time\",\"00:00:00\"" \
    "0,\"$date\",\"$time\",\"$time\""

# UTC stamps are five hours after the local clock (which runs on UTC here).
hour_at_end=$(date -u -d '+5 hours' +%H)
grep -Eq "\"($hour_at_start|$hour_at_end):" log.txt || fail "log.txt stamps are not local plus 5 hours"
echo "PASS"
