#!/usr/bin/env bash
# A contest folder moved between computers of other locales: started first under
# American English, then a copy of it under British English. Both write the same
# Cabrillo files, the stored dates being read in the form the folder was started with.
#   locale_folder.sh PATH-TO-vantor
source "$(dirname "$0")/lib.sh"

begin_test "$1"
for wanted in en_US en_GB; do
    if ! locale -a | grep -qix "$wanted.utf8"; then
        echo "SKIP: the locale $wanted.UTF-8 is not generated (scripts/install-deps.sh does it)"
        exit 77
    fi
done

mkdir us
printf '"W1AW"\r\n0\r\n"A"\r\n"85"\r\n"CT"\r\n0\r\n0\r\n1\r\n"40"\r\n3600\r\n' >us/nspref.txt
printf '85\r\n' >us/nssect.txt
printf '"1","5","B","VY2AA","70","PE","11/7/2026","21:05:00","40"\r\n"2","7","A","VE3AA","61","GH","11/8/2026","02:10:00","20"\r\n' >us/log.txt
printf '1,"11/7/2026","21:00:00","00:00:00"\r\n0,"11/7/2026","22:00:00","01:00:00"\r\n1,"11/8/2026","02:00:00","01:00:00"\r\n0,"11/8/2026","02:15:00","01:15:00"\r\n' >us/nsonoff.txt

# Continues the folder's contest under the locale and writes both Cabrillo files.
write_cabrillo() {
    cd "$WORK/$1"
    export LC_ALL=$2 LANG=$2
    continue_contest # the stored station stands
    write_cabrillo_files_and_exit W1AW.log
    cd "$WORK"
}

start_x 1024x768
write_cabrillo us en_US.UTF-8
[ "$(cat -A us/nsdate.txt)" = '"M/d/yyyy"^M$' ] || fail "nsdate.txt holds $(cat -A us/nsdate.txt)"
mkdir gb
cp us/nspref.txt us/nssect.txt us/log.txt us/nsonoff.txt us/nsdate.txt gb/
write_cabrillo gb en_GB.UTF-8

grep -q '^QSO: 7000  CW  2026-11-07 2105 W1AW' us/ASCIICab.txt || fail "$(cat us/ASCIICab.txt)"
grep -q '^QSO: 14000 CW 2026-11-08 0210 W1AW' us/W1AW.log || fail "$(cat us/W1AW.log)"
cmp us/ASCIICab.txt gb/ASCIICab.txt || fail "ASCIICab.txt differs: $(diff us/ASCIICab.txt gb/ASCIICab.txt)"
cmp us/W1AW.log gb/W1AW.log || fail "W1AW.log differs: $(diff us/W1AW.log gb/W1AW.log)"
echo "PASS"
