#!/usr/bin/env bash
# Drives the real kebo program on an X display with a window manager, as a user would:
#   1. the window grows to 4770 twips about the centre it was shown at; dragged by its title bar
#      to another place, it keeps it; the window manager's close request (Alt+F4) leads through
#      the questions (Yes, Yes, No, No, Yes, OK) to the farewell: the window shrinks about its new
#      centre to 1700 twips or less, asks to be minimised and the process exits 0;
#   2. a click and two answers start a launch; a picture of the window is taken while the red
#      label shows; SIGTERM then ends the process at once with status 0;
#   3. SIGHUP while a box is open ends the process at once with status 0;
#   4. with WAYLAND_DISPLAY set beside DISPLAY, a whole launch starts the editor (a stub that
#      records its environment) with the user's environment, not kebo's choice of QT_QPA_PLATFORM,
#      and with a DESKTOP_STARTUP_ID that the startup message to the root window announced,
#      dated at the user's last answer.
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

fail() {
    echo "FAIL: $*" >&2
    [ -s "$work/stderr" ] && sed 's/^/  kebo: /' "$work/stderr" >&2
    exit 1
}
source "$(dirname "$0")/x_user.sh"

# Waits up to $1 seconds for kebo to exit; sets kebo_status.
wait_exit() {
    local deadline=$(($(now_ms) + $1 * 1000))
    while kill -0 "$kebo_pid" 2>/dev/null; do
        [ "$(now_ms)" -lt "$deadline" ] || fail "kebo still runs after $1 s"
        sleep 0.01
    done
    kebo_status=0
    wait "$kebo_pid" || kebo_status=$?
    kebo_pid=""
}

# start_kebo [NAME=VALUE...]: kebo with these in its environment too.
start_kebo() {
    env LANGUAGE=ja "$@" "$kebo" 2>"$work/stderr" &
    kebo_pid=$!
    window=$(wait_window 10 ポムリナ) || fail "no window ポムリナ"
}

# Waits until the frame has kept its geometry for 300 ms; sets frame_x, frame_y, frame_w, frame_h
# and the window's own client_x, client_y, client_w, client_h.
wait_opened() {
    local last="" stable_since
    stable_since=$(now_ms)
    while true; do
        local geometry
        geometry=$("$x_tool" frame "$window")
        if [ "$geometry" != "$last" ]; then
            last=$geometry
            stable_since=$(now_ms)
        elif [ $(($(now_ms) - stable_since)) -ge 300 ]; then
            break
        fi
        sleep 0.01
    done
    read -r frame_x frame_y frame_w frame_h client_x client_y client_w client_h <<<"$last"
}

screen_size=$(xdpyinfo | awk '/dimensions:/ { print $2 }')
screen_w=${screen_size%x*}
screen_h=${screen_size#*x}

echo "== opening, close request, farewell"
opening_start=$(now_ms)
start_kebo
wait_opened
opening_ms=$(($(now_ms) - opening_start - 300))
[ $((frame_w * 15)) -eq 4770 ] || fail "outer width ${frame_w} px, not 318 (4770 twips)"
# Shown as a single pixel at the screen's centre, the window got its frame around it there, and
# grew about the centre of the framed window. Centres are doubled to stay in whole pixels.
margin_l=$((client_x - frame_x))
margin_t=$((client_y - frame_y))
margin_r=$((frame_x + frame_w - client_x - client_w))
margin_b=$((frame_y + frame_h - client_y - client_h))
drift_x2=$((2 * frame_x + frame_w - (screen_w + 1 + margin_r - margin_l)))
drift_y2=$((2 * frame_y + frame_h - (screen_h + 1 + margin_b - margin_t)))
[ ${drift_x2#-} -le 8 ] && [ ${drift_y2#-} -le 8 ] ||
    fail "the window grew away from its centre by ${drift_x2},${drift_y2} half pixels"
echo "opened to ${frame_w}x${frame_h} px in about ${opening_ms} ms, centre off by" \
    "${drift_x2},${drift_y2} half pixels"

# The user drags the window by its title bar; the farewell shrinks it about its new centre.
grab_x=$((frame_x + frame_w / 2))
grab_y=$((frame_y + margin_t / 2))
# Step by step, as a hand would: the window manager starts a move only on motion after the press.
xdotool mousemove "$grab_x" "$grab_y" sleep 0.1 mousedown 1 sleep 0.1 \
    mousemove $((grab_x - 20)) $((grab_y + 5)) sleep 0.1 \
    mousemove $((grab_x - 300)) $((grab_y + 80)) sleep 0.1 mouseup 1
wait_opened
[ $((frame_x * 2 + frame_w)) -lt $((screen_w - 400)) ] ||
    fail "the window was not dragged: frame at ${frame_x},${frame_y}"
moved_x2=$((2 * frame_x + frame_w))
moved_y2=$((2 * frame_y + frame_h))
close_window "$window"
for key in y y n n y; do answer "$key"; done
"$x_tool" watch "$window" >"$work/watch" &
watch_pid=$!
until grep -q ready "$work/watch"; do sleep 0.01; done
farewell_start=$(now_ms)
answer Return
wait_exit 10
farewell_ms=$(($(now_ms) - farewell_start))
wait "$watch_pid" || true
[ "$kebo_status" -eq 0 ] || fail "exit status $kebo_status after the farewell"
grep -q iconify "$work/watch" || fail "the window did not ask to be minimised"
# Minimised, the window manager rolls the frame up to its title bar: those are left out.
framed() { awk -v title="$margin_t" '$2 == "frame" && $6 > title' "$work/watch"; }
narrowest=$(framed | awk 'NR == 1 || $5 < w { w = $5 } END { print w }')
# kebo ends right after its last resize, which the window manager may apply only after the
# process has gone: allow the last two steps of 100 twips to be missing from what is seen here.
[ -n "$narrowest" ] && [ $((narrowest * 15)) -le $((1700 + 2 * 100)) ] ||
    fail "the window ended ${narrowest} px wide, more than 1700 twips"
farewell_drift=$(framed | awk -v x2="$moved_x2" -v y2="$moved_y2" '{
        dx = 2 * $3 + $5 - x2; dy = 2 * $4 + $6 - y2
        if (dx < 0) dx = -dx; if (dy < 0) dy = -dy
        if (dx > most) most = dx; if (dy > most) most = dy
    } END { print most + 0 }')
[ "$farewell_drift" -le 8 ] ||
    fail "the farewell moved the window's centre by ${farewell_drift} half pixels"
window_exists "$window" && fail "the window is still there"
echo "farewell: shrank to ${narrowest} px about the new centre (off by at most" \
    "${farewell_drift} half pixels), minimised, exit 0 in ${farewell_ms} ms"

echo "== SIGTERM during a launch"
previous_box=""
start_kebo
wait_opened
xdotool mousemove --window "$window" 150 50 click 1
answer y
answer Return
# Well into the launch, before it can end (51 ticks of at least 100 ms).
sleep 2.5
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
box=$(wait_window 10 KEBO) || fail "no box after the click"
kill -HUP "$kebo_pid"
wait_exit 2
[ "$kebo_status" -eq 0 ] || fail "exit status $kebo_status after SIGHUP"
window_exists "$box" && fail "the box is still there after SIGHUP"

echo "== a launch starts the editor with the user's environment and a startup id"
previous_box=""
mkdir "$work/bin"
printf '#!/bin/sh\nenv >"%s.part" && mv "%s.part" "%s"\n' \
    "$work/editor.env" "$work/editor.env" "$work/editor.env" >"$work/bin/gnome-text-editor"
chmod +x "$work/bin/gnome-text-editor"
start_kebo PATH="$work/bin:$PATH" WAYLAND_DISPLAY=kebo-test-no-such-display
wait_opened
xdotool mousemove --window "$window" 150 50 click 1
answer y
answer Return
"$x_tool" startup >"$work/startup" &
startup_pid=$!
until grep -q ready "$work/startup"; do sleep 0.01; done
# The last question comes when the bar is full, up to 71 ticks of 199 ms later.
answer y 30
for _ in $(seq 1000); do [ -f "$work/editor.env" ] && break; sleep 0.01; done
[ -f "$work/editor.env" ] || fail "the editor was not started"
wait "$startup_pid" || fail "no startup message reached the root window"
startup_pid=""
grep -q '^QT_QPA_PLATFORM=' "$work/editor.env" && fail "the editor inherited QT_QPA_PLATFORM"
id=$(sed -n 's/^DESKTOP_STARTUP_ID=//p' "$work/editor.env")
[ -n "$id" ] || fail "the editor got no DESKTOP_STARTUP_ID"
grep '^new: ' "$work/startup" | grep -qF "ID=$id" ||
    fail "the startup message does not announce $id: $(sed -n 2p "$work/startup")"
# Dated at the last answer, not before the watch began (nor 0, "no user action").
read -r _ ready_time <"$work/startup"
[ "${id##*_TIME}" -gt "$ready_time" ] || fail "startup id dated before the last answer: $id"
echo "the editor started with DESKTOP_STARTUP_ID=$id"
kill -TERM "$kebo_pid"
wait_exit 2
echo "all passed"
