#!/usr/bin/env bash
# Drives the real kebo program on an X display with a window manager, as a user would (the
# window's geometry under each window manager is desktop.sh's):
#   1. a click and two answers start a launch; a picture of the window is taken while the red
#      label shows; SIGTERM then ends the process at once with status 0;
#   2. SIGHUP while a box is open ends the process at once with status 0;
#   3. with WAYLAND_DISPLAY set beside DISPLAY, a whole launch starts the desktop's default editor
#      for text/plain from its desktop entry (a stub that records its environment) with the
#      user's environment, not kebo's choice of QT_QPA_PLATFORM, and with a DESKTOP_STARTUP_ID
#      that the startup message to the root window announced, dated when the editor was started,
#      after the user's last answer.
# Usage: end_to_end.sh KEBO X_TOOL SCREENSHOT.png  (run under with-display)
set -euo pipefail

kebo=$1
x_tool=$2
screenshot=$3
work=$(mktemp -d)
kebo_pid=""
startup_pid=""
cleanup() {
    [ -n "$kebo_pid" ] && kill -KILL "$kebo_pid" 2>/dev/null
    [ -n "$startup_pid" ] && kill "$startup_pid" 2>/dev/null
    rm -rf "$work"
    return 0
}
trap cleanup EXIT

source "$(dirname "$0")/x_user.sh"

echo "== SIGTERM during a launch"
start_kebo
wait_opened
xdotool mousemove --window "$window" 150 50 click 1
answer y
answer Return
# The red label shows only while the launch runs (51 ticks of at least 100 ms): the picture
# proves that the launch is running when SIGTERM comes.
"$x_tool" grab "$window" "$screenshot" || fail "no picture of the launch"
terminate_start=$(now_ms)
kill -TERM "$kebo_pid"
wait_exit 2
echo "SIGTERM ended kebo in $(($(now_ms) - terminate_start)) ms"
[ "$kebo_status" -eq 0 ] || fail "exit status $kebo_status after SIGTERM"
window_exists "$window" && fail "the window is still there after SIGTERM"

echo "== SIGHUP while a box is open"
previous_box=""
start_kebo
wait_opened
xdotool mousemove --window "$window" 150 50 click 1
wait_for 10 "a box after the click" window_titled KEBO
box=$found
kill -HUP "$kebo_pid"
wait_exit 2
[ "$kebo_status" -eq 0 ] || fail "exit status $kebo_status after SIGHUP"
window_exists "$box" && fail "the box is still there after SIGHUP"

echo "== a launch starts the default editor with the user's environment and a startup id"
previous_box=""
mkdir -p "$work/bin" "$work/config" "$work/data/applications" "$work/none"
printf '#!/bin/sh\nenv >"%s.part" && mv "%s.part" "%s"\n' \
    "$work/editor.env" "$work/editor.env" "$work/editor.env" >"$work/bin/test-editor"
chmod +x "$work/bin/test-editor"
printf '[Default Applications]\ntext/plain=test-editor.desktop\n' >"$work/config/mimeapps.list"
printf '[Desktop Entry]\nType=Application\nName=Test\nExec=test-editor %%U\nStartupNotify=true\n' \
    >"$work/data/applications/test-editor.desktop"
start_kebo PATH="$work/bin:$PATH" WAYLAND_DISPLAY=kebo-test-no-such-display \
    XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" \
    XDG_CONFIG_DIRS="$work/none" XDG_DATA_DIRS="$work/none"
wait_opened
xdotool mousemove --window "$window" 150 50 click 1
answer y
answer Return
"$x_tool" startup 60 >"$work/startup" &
startup_pid=$!
wait_for 10 "x_tool startup to be ready" grep -q ready "$work/startup"
# The last question comes when the bar is full, up to 71 ticks of 199 ms later.
answer y 30
wait_for 10 "the editor to start" test -f "$work/editor.env"
wait "$startup_pid" || fail "no startup message reached the root window"
startup_pid=""
grep -q '^QT_QPA_PLATFORM=' "$work/editor.env" && fail "the editor inherited QT_QPA_PLATFORM"
id=$(sed -n 's/^DESKTOP_STARTUP_ID=//p' "$work/editor.env")
[ -n "$id" ] || fail "the editor got no DESKTOP_STARTUP_ID"
grep '^new: ' "$work/startup" | grep -qF "ID=$id" ||
    fail "the startup message does not announce $id: $(sed -n 2p "$work/startup")"
# Dated at the start, after the last answer: not before the watch began (nor 0, "no user action").
read -r _ ready_time <"$work/startup"
[ "${id##*_TIME}" -gt "$ready_time" ] || fail "startup id dated before the last answer: $id"
echo "the editor started with DESKTOP_STARTUP_ID=$id"
kill -TERM "$kebo_pid"
wait_exit 2
echo "all passed"
