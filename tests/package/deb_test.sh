#!/usr/bin/env bash
# Builds kebo's .deb, runs desktop-file-validate, appstreamcli, man and lintian over it (any
# complaint fails), installs it into a scratch root with dpkg-deb -x, checks the files there, then
# runs the installed kebo: --version and --help without a display, an unknown option, and the
# window on this display with Qt's own options, ended by SIGTERM.
# The package is built with the presets named "package", in their build directory; what is built
# already is not built again.
# Usage: deb_test.sh SOURCE_DIR APP_ID VERSION  (run under with-display)
set -euo pipefail

source_dir=$1
app_id=$2
version=$3
root=$(mktemp -d)
kebo_pid=""
cleanup() {
    [ -n "$kebo_pid" ] && kill -KILL "$kebo_pid" 2>/dev/null
    rm -rf "$root"
    return 0
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
source "$(dirname "$0")/../qt/x_user.sh"

echo "== build the package"
# At the lowest priority, so that the tests beside it that wait on real time are served first.
cd "$source_dir"
cmake --preset package >/dev/null
nice -n 19 cmake --build --preset package
build_dir=build/package  # the preset's
rm -f "$build_dir"/*.deb
nice -n 19 cpack --preset package >/dev/null
deb=$(echo "$build_dir"/kebo_"$version"_*.deb)
[ -f "$deb" ] || fail "no package kebo_${version}_*.deb"
dpkg-deb -x "$deb" "$root"

echo "== validators"
desktop=$root/usr/share/applications/$app_id.desktop
metainfo=$root/usr/share/metainfo/$app_id.metainfo.xml
complaints=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate: $complaints"
[ -z "$complaints" ] || fail "desktop-file-validate: $complaints"
notes=$(appstreamcli validate --no-net --pedantic "$metainfo" 2>&1) ||
    fail "appstreamcli: $notes"
echo "$notes"
! grep -q '^[EW]:' <<<"$notes" || fail "appstreamcli warns"
complaints=$(man --warnings -l "$root/usr/share/man/man1/kebo.1.gz" 2>&1 >/dev/null)
[ -z "$complaints" ] || fail "man: $complaints"
lintian --fail-on error,warning --display-info "$deb" 2>/dev/null || fail "lintian complains"

echo "== installed files"
for file in usr/bin/kebo usr/share/applications/"$app_id".desktop \
    usr/share/metainfo/"$app_id".metainfo.xml usr/share/man/man1/kebo.1.gz \
    usr/share/doc/kebo/copyright usr/share/doc/kebo/changelog.gz \
    usr/share/icons/hicolor/scalable/apps/"$app_id".svg; do
    [ -s "$root/$file" ] || fail "$file is missing"
done
for size in 16 22 24 32 48 64 128 256; do
    icon=$root/usr/share/icons/hicolor/${size}x$size/apps/$app_id.png
    file "$icon" | grep -q "PNG image data, $size x $size," || fail "no $size px icon"
done
[ -x "$root/usr/bin/kebo" ] || fail "kebo is not executable"
readelf -S "$root/usr/bin/kebo" | grep -q '\.symtab' && fail "kebo is not stripped"
grep -qx "Icon=$app_id" "$desktop" || fail "the desktop entry names another icon"
grep -q "<id>$app_id</id>" "$metainfo" || fail "the metainfo has another id"
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
    fail "the metainfo launches another desktop entry"
grep -q "<release version=\"$version\"" "$metainfo" || fail "no release $version in the metainfo"

echo "== the installed kebo"
kebo=$root/usr/bin/kebo
out=$(env -u DISPLAY -u WAYLAND_DISPLAY "$kebo" --version) || fail "--version failed"
[ "$out" = "kebo $version" ] || fail "--version printed '$out'"
out=$(env -u DISPLAY -u WAYLAND_DISPLAY "$kebo" --help) || fail "--help failed"
grep -q -- '--version' <<<"$out" || fail "--help printed '$out'"
status=0
err=$("$kebo" -platform xcb --frobnicate 2>&1 >/dev/null) || status=$?
[ "$status" -eq 2 ] && [ "$(wc -l <<<"$err")" -eq 1 ] && [[ $err == *frobnicate*Usage:* ]] ||
    fail "an unknown option gave status $status and '$err'"

# Qt's own options reach Qt; the window's class is the one the desktop entry names.
"$kebo" -platform xcb -display "$DISPLAY" &
kebo_pid=$!
wait_for 10 "the window ポムリナ" window_titled ポムリナ
wm_class=$(xprop -id "$found" WM_CLASS | sed 's/.*, "\(.*\)"$/\1/')
grep -qx "StartupWMClass=$wm_class" "$desktop" || fail "the window's class $wm_class is not StartupWMClass"
kill -TERM "$kebo_pid"
wait_exit 5
[ "$kebo_status" -eq 0 ] || fail "exit status $kebo_status after SIGTERM"
echo "all passed"
