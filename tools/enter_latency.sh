#!/usr/bin/env bash
# Enter to empty call field on the real window with a full log, timed from outside:
#   tools/enter_latency.sh PATH-TO-vantor PATH-TO-vantor-loggen PATH-TO-vantor-keylatency \
#       [FOLDER-PARENT] [ROUNDS] [SIZE]
# FOLDER-PARENT is where the contest folder is made (/dev/shm leaves the disk out).
# RADIO_SETTINGS, when set, is the folder's nsradio.txt (a radio to work with, e.g.
# "radio=shared port=4599" at tools/rig_standin.py); SHOT, when set, is a picture of the
# screen taken as the timing ends.
source "$(dirname "$0")/../tests/e2e/lib.sh"

LOGGEN=$(realpath "$2")
LATENCY=$(realpath "$3")
PARENT=${4:-/tmp}
ROUNDS=${5:-50}
SIZE=${6:-1024x768}
BINARY=$(realpath "$1")
TEST_STARTED=$(date -u +%s)
WORK=$(mktemp -d -p "$PARENT")
trap cleanup EXIT
cd "$WORK"
export LC_ALL=C.UTF-8 LANG=C.UTF-8 TZ=UTC

# The log is filled so that its last contact is the 11000th, the most it takes.
"$LOGGEN" $((10999 - ROUNDS)) 7 >log.txt
[ -z "${RADIO_SETTINGS:-}" ] || tr ' ' '\n' <<<"$RADIO_SETTINGS" >nsradio.txt
printf '"N0CALL"\r\n0\r\n"A"\r\n"99"\r\n"MN"\r\n0\r\n0\r\n1\r\n"15"\r\n3600\r\n' >nspref.txt
start_x "$SIZE"
continue_contest
"$LATENCY" "$ROUNDS" || { import -window root "${FAIL_SHOT:-/dev/null}" 2>/dev/null; fail "timing did not finish"; }
[ -z "${SHOT:-}" ] || import -window root "$SHOT"
