#!/usr/bin/env bash
# The Debian package as an operator gets it: made by CPack from this build tree,
# checked by lintian, desktop-file-validate and appstreamcli, installed with dpkg into
# a scratch root, and the installed program started by its menu entry's command in a
# fresh home, through the start-up dialogs to the main window.
# Usage: package.sh BUILD_DIR
source "$(dirname "$0")/../e2e/lib.sh"

build=$(realpath "$1")
begin_test "$build/src/app/vantor"
unset VANTOR_CONTEST

cpack --config "$build/CPackConfig.cmake" -B "$WORK/out" >"$WORK/cpack.log" 2>&1 ||
    fail "cpack: $(cat "$WORK/cpack.log")"
arch=$(dpkg --print-architecture)
debs=("$WORK"/out/*.deb)
[ "${#debs[@]}" -eq 1 ] || fail "expected one package, got: ${debs[*]}"
deb=${debs[0]}
version=$(dpkg-deb -f "$deb" Version)
[ "$(basename "$deb")" = "vantor_${version}_${arch}.deb" ] || fail "package named $(basename "$deb")"
depends=$(dpkg-deb -f "$deb" Depends)
for p in libqt6widgets6 libqt6printsupport6 qt6-qpa-plugins; do
    [[ "$depends" == *"$p"* ]] || fail "Depends lacks $p: $depends"
done
[ "$(dpkg-deb -f "$deb" Recommends)" = "libhamlib-utils, cwdaemon, hamradio-files" ] ||
    fail "Recommends: $(dpkg-deb -f "$deb" Recommends)"

lintian --fail-on error "$deb" >"$WORK/lintian.txt" 2>&1 || fail "lintian: $(cat "$WORK/lintian.txt")"
! grep -q '^E:' "$WORK/lintian.txt" || fail "lintian: $(cat "$WORK/lintian.txt")"

root=$WORK/root
mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates"
touch "$root/var/lib/dpkg/status"
dpkg --root="$root" --force-depends --force-not-root --log=/dev/null -i "$deb" \
    >"$WORK/dpkg.txt" 2>&1 || fail "dpkg: $(cat "$WORK/dpkg.txt")"
dpkg --root="$root" -s vantor | grep -q '^Status: install ok installed' || fail "not installed"

desktop=$root/usr/share/applications/org.example.vantor.desktop
desktop-file-validate "$desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$root/usr/share/metainfo/org.example.vantor.metainfo.xml" \
    >"$WORK/appstream.txt" 2>&1 || fail "appstreamcli: $(cat "$WORK/appstream.txt")"
[ -f "$root/usr/share/icons/hicolor/scalable/apps/vantor.svg" ] || fail "no icon"
[ -f "$root/usr/share/man/man1/vantor.1.gz" ] || fail "no manual page"

# No display needed to ask the version; a wrong option says so and ends with 2.
program=$root/usr/bin/vantor
[ "$(env -u DISPLAY "$program" --version)" = "Vantor $version" ] || fail "--version"
code=0
"$program" --colour 2>"$WORK/err.txt" || code=$?
[ "$code" -eq 2 ] || fail "an unknown option ended with $code"
grep -q "unknown option '--colour'" "$WORK/err.txt" || fail "unknown option: $(cat "$WORK/err.txt")"

# The menu entry's command, started elsewhere: the contest goes to ~/vantor-contest,
# made now, with the installed help text copied in.
read -r -a command <<<"$(sed -n 's/^Exec=//p' "$desktop")"
[ "${command[0]}" = vantor ] || fail "Exec=${command[*]}"
mkdir "$WORK/home" "$WORK/elsewhere"
start_x
(cd "$WORK/elsewhere" && exec env HOME="$WORK/home" "$program" "${command[@]:1}") \
    >"$WORK/stdout.txt" 2>"$WORK/stderr.txt" &
APP_PID=$!
start_new_contest >/dev/null
contest=$WORK/home/vantor-contest
wait_for_file "$contest/nspref.txt"
cmp -s "$contest/readns.txt" "$root/usr/share/vantor/readns.txt" || fail "help text not copied"
[ -z "$(ls -A "$WORK/elsewhere")" ] || fail "files in the working directory: $(ls "$WORK/elsewhere")"
echo "PASS: $(basename "$deb") installs and runs"
