#!/usr/bin/env bash
# The real program on a failing disk: a full disk, a read-only contest folder and a
# read-only log.txt, each made real with a small tmpfs in a private mount namespace.
# Every failure is told in a box, nothing stored before changes, the program keeps
# running, and once the disk is sound again the same Enter logs the contact.
#   disk_faults.sh PATH-TO-vantor
source "$(dirname "$0")/lib.sh"

if [ -z "${VANTOR_IN_NAMESPACE:-}" ]; then
    # Mounts need a mount namespace of our own (and, without root, a user namespace).
    flags=(--mount --propagation private)
    [ "$(id -u)" -eq 0 ] || flags+=(--map-root-user)
    if ! unshare "${flags[@]}" true 2>/dev/null; then
        echo "SKIP: no private mount namespace here"
        exit 77
    fi
    VANTOR_IN_NAMESPACE=1 exec unshare "${flags[@]}" bash "$0" "$@"
fi

begin_test "$1"
# The folders are mount points: unmounted before the work folder is removed.
unmount_all() {
    [ -n "${APP_PID:-}" ] && kill -KILL "$APP_PID" 2>/dev/null && wait "$APP_PID" 2>/dev/null
    cd /
    local m
    for m in "$WORK"/*/; do umount -R -l "$m" 2>/dev/null || true; done
    cleanup
}
trap unmount_all EXIT
trap 'exit 1' TERM INT
start_x 1024x768
prefs='"K9ABC"\r\n0\r\n"A"\r\n"85"\r\n"CT"\r\n5\r\n0\r\n1\r\n"40"\r\n0\r\n'
stored='"1","5","A","W1AW","85","CT","11/7/2026","02:00:05","40"\r\n'

# A fresh 1 MB tmpfs as the contest folder, holding one stored contact.
new_folder() {
    cd "$WORK"
    mkdir -p "$1"
    mount -t tmpfs -o size=1m tmpfs "$1"
    cd "$1"
    printf "$prefs" >nspref.txt
    printf "$stored" >log.txt
    : >nsonoff.txt
}

# Each failure is told in a "Vantor" box; answers the next one.
told() {
    local wid
    wid=$(timeout "$E2E_TIMEOUT" xdotool search --sync --onlyvisible --name '^Vantor$' | head -n 1) ||
        fail "$1: no box told the operator"
    xdotool windowfocus --sync "$wid"
    sleep 0.3
    press Return
}

open_contest() {
    start_program "$BINARY"
    focus_program_window >/dev/null
    press Return
    focus_window "Amateur Station I.D." >/dev/null
    press Return
}

sums() { md5sum log.txt nspref.txt nsonoff.txt; }

# --- A full disk: nothing fits, then room is made and the same Enter logs. The log is
# made exactly one page long, so no slack in its last page takes the new line.
new_folder full
letters=ABCDEFGHIJKLMNOPQRSTUVWXYZ
: >log.txt
for i in $(seq 1 64); do
    line="\"$i\",\"@\",\"A\",\"K1${letters:$((i / 26)):1}${letters:$((i % 26)):1}\",\"85\",\"CT\",\"11/7/2026\",\"02:00:05\",\"40\""
    num=5$(printf '%0*d' $((64 - 2 - ${#line})) 0)
    printf '%s\r\n' "${line/@/$num}" >>log.txt
done
[ "$(stat -c %s log.txt)" -eq 4096 ] || fail "the full log is not one page"
head -c 2M /dev/zero >filler 2>/dev/null || true
before=$(sums)
open_contest
told "full disk, settings"
focus_window "Open existing log?" >/dev/null
press y
focus_window "Vantor 2.5" >/dev/null
type_text "7bk1xx72me"
press Return
told "full disk, time on"
kill -0 "$APP_PID" || fail "full disk: the program ended"
[ "$(sums)" = "$before" ] || fail "full disk: a stored file changed: $before / $(sums)"
rm filler
focus_window "Vantor 2.5" >/dev/null
press Return # the fields kept the refused contact
press alt+f Up Return
wait_for_exit
[ "$(wc -l <log.txt)" -eq 65 ] || fail "full disk: $(wc -l <log.txt) lines after room was made"
tail -n 1 log.txt >last.txt
expect_lines last.txt "\"65\",\"7\",\"B\",\"K1XX\",\"72\",\"ME\",.*"

# --- A read-only folder: every write is refused and told; nothing changes.
new_folder readonly
cd "$WORK" && mount -o remount,ro readonly && cd readonly
before=$(sums)
open_contest
told "read-only folder, settings"
focus_window "Open existing log?" >/dev/null
press y
focus_window "Vantor 2.5" >/dev/null
type_text "7bk1xx72me"
press Return
told "read-only folder, time on"
kill -0 "$APP_PID" || fail "read-only folder: the program ended"
focus_window "Vantor 2.5" >/dev/null
press alt+f Up Return
told "read-only folder, settings at exit"
told "read-only folder, time off at exit"
wait_for_exit
[ "$(sums)" = "$before" ] || fail "read-only folder: a stored file changed"

# --- A read-only log.txt: the contact is refused, the journal still kept.
new_folder readonlylog
mount --bind log.txt log.txt
mount -o remount,ro,bind log.txt
open_contest
focus_window "Open existing log?" >/dev/null
press y
focus_window "Vantor 2.5" >/dev/null
type_text "7bk1xx72me"
press Return
kill -0 "$APP_PID" || fail "read-only log: the program ended"
press alt+f Up Return
wait_for_exit
[ "$(cat log.txt)" = "$(printf "$stored")" ] || fail "read-only log: log.txt changed"
expect_lines nsonoff.txt '1,.*' '0,.*'
echo "PASS"
