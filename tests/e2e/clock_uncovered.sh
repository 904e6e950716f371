#!/usr/bin/env bash
# The local clock and its AM/PM stay in sight beside the sections grid: with today's
# 85 sections, at two screen sizes, the screen shows the clock's two lines (local time
# with AM/PM, UTC time with its caption) in black, and no grid cell over them.
#   clock_uncovered.sh PATH-TO-vantor
source "$(dirname "$0")/lib.sh"

begin_test "$1"

# Looks at the clock column (from the left edge of the local time to the screen's
# right edge, the lowest fifth of the screen) and prints, top to bottom, one line per
# row of black text: "y time ampm grey" with the count of black pixels under the time,
# under AM/PM (or "UTC") and of grid grey (192,192,192) in that row.
clock_rows() {
    local w=$1 h=$2
    local left=$((w * 8280 / 9600)) ampm=$((w * 9110 / 9600)) top=$((h * 4 / 5))
    import -window root -crop "$((w - left))x$((h - top))+$left+$top" -depth 8 txt:- |
        awk -F'[ ,:()]+' -v left="$left" -v ampm="$ampm" -v top="$top" '
            NR > 1 {
                x = $1 + left; y = $2 + top; r = $3; g = $4; b = $5
                if (r < 90 && g < 90 && b < 90) { if (x < ampm) t[y]++; else a[y]++; seen[y] = 1 }
                if (r == 192 && g == 192 && b == 192) grey[y]++
            }
            END { for (y in seen) print y, t[y] + 0, a[y] + 0, grey[y] + 0 }' |
        sort -n
}

# Succeeds when the rows form two text lines, each with pixels under the time and
# under AM/PM (or "UTC"), and no grey cell in any of their rows (a cell is a run of
# grey; the edge of a black letter on the window's colour may hold a grey pixel or two).
clock_in_sight() {
    awk '
        { if (NR == 1 || $1 > last + 1) n++; last = $1
          t[n] += $2; a[n] += $3; if ($4 > 8) g[n]++ }
        END {
            if (n != 2) exit 1
            for (i = 1; i <= 2; i++) if (t[i] == 0 || a[i] == 0 || g[i] > 0) exit 1
        }' <<<"$1"
}

for size in 640x480 1024x768; do
    printf '85\r\n' >nssect.txt
    rm -f log.txt nsonoff.txt nspref.txt
    start_x "$size"
    start_program "$BINARY"
    start_new_contest >/dev/null
    rows=""
    for i in $(seq 1 $((E2E_TIMEOUT * 5))); do
        rows=$(clock_rows "${size%x*}" "${size#*x}")
        clock_in_sight "$rows" && break
        rows="not in sight: $rows"
        sleep 0.2
    done
    [[ "$rows" != "not in sight"* ]] || fail "$size: the clock is covered; rows (y time ampm grey): ${rows#not in sight: }"
    [ -n "${VANTOR_SHOT:-}" ] && import -window root "$VANTOR_SHOT-$size.png"
    kill "$APP_PID" && wait "$APP_PID" 2>/dev/null || true
    APP_PID=""
    kill "$XVFB_PID" && wait "$XVFB_PID" 2>/dev/null || true
    XVFB_PID=""
done
echo "PASS"
