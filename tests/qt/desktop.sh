#!/usr/bin/env bash
# The launcher window under a window manager, as the X server has it (run under with-display):
#   1. the opening: the window grows about its centre to an outer width of 4770 twips (318 px)
#      and a client height of 2350 twips (157 px), and ends in the middle of the work area; the
#      window manager changes its frame window at most once a tick (as the X server tells every
#      configuration of it), and never offers to resize or maximise the window meanwhile;
#   2. at rest its size is fixed for the window manager (minimum = maximum, neither resize nor
#      maximise offered): a resize asked through the manager leaves it as it was, a move is kept;
#      the manager offers to minimise it and does so when asked, and the frame it draws anew when
#      the window comes back is the one shown before;
#   3. the manager's close request leads through the questions (Yes, Yes, No, No, Yes, OK) to the
#      farewell: the window shrinks about its new centre (where it is after the move, the
#      minimise and the restore), asks to be minimised, and kebo exits 0.
# It asserts what kebo and the manager decide, not how fast they are: under load a manager may
# apply a step late, or not at all once kebo has ended.
# With PANEL (top or left), a desktop's panel takes room along that edge first, and the work area
# that kebo is centred in starts beside it.
# Usage: desktop.sh KEBO X_TOOL [PANEL]
set -euo pipefail

kebo=$1
x_tool=$2
panel=${3:-}
work=$(mktemp -d)
kebo_pid=""
watch_pid=""
panel_pid=""
cleanup() {
    [ -n "$kebo_pid" ] && kill -KILL "$kebo_pid" 2>/dev/null
    [ -n "$watch_pid" ] && kill "$watch_pid" 2>/dev/null
    [ -n "$panel_pid" ] && kill "$panel_pid" 2>/dev/null
    rm -rf "$work"
    return 0
}
trap cleanup EXIT
source "$(dirname "$0")/x_user.sh"

# The window's outer geometry at each change of the frame that x_tool watch has seen: "x y w h" a
# line, as read just after the change. A manager may configure the frame again without changing
# it: those are left out. (It may also apply kebo's last steps after it has heard the minimise
# request, which comes straight.)
changes() {
    awk '$2 == "frame" && $3 FS $4 FS $5 FS $6 != last { last = $3 FS $4 FS $5 FS $6; print last }' "$1"
}
# How many times x_tool watch saw the X server change the frame window itself (borders that only
# catch the pointer and all), each change told by its own event.
reconfigurations() {
    awk '$2 == "configure" && $3 FS $4 FS $5 FS $6 != last { last = $3 FS $4 FS $5 FS $6; n++ }
        END { print n + 0 }' "$1"
}
# Fails when the window manager offered, in x_tool watch's report $1, to resize or maximise the
# window, which it may only do while the window's size is not fixed.
never_offered() {
    ! grep -q ' offers ' "$1" ||
        fail "the window manager offered to $(awk '$2 == "offers" { print $3; exit }' "$1") the" \
            "window during $2"
}
# How far apart, in half pixels, the centres of the first and the last rectangle on stdin are.
drift() {
    awk 'function abs(v) { return v < 0 ? -v : v }
        NR == 1 { x2 = 2 * $1 + $3; y2 = 2 * $2 + $4 }
        END { dx = abs(2 * $1 + $3 - x2); dy = abs(2 * $2 + $4 - y2); print (dx > dy ? dx : dy) }'
}
work_area() { xprop -root _NET_WORKAREA | sed -n 's/.*= //; s/,//gp'; }
moved() {
    read_frame
    [ $((2 * frame_x + frame_w)) -lt 1000 ]
}
active() { xprop -root _NET_ACTIVE_WINDOW | grep -qw "$(printf '%#x' "$window")"; }
in_state() { xprop -id "$window" WM_STATE | grep -q "window state: $1"; }
# Whether the title bar shows as in picture $1.
title_as() { "$x_tool" title "$window" "$work/title.png" "$1"; }
title_steady() {
    local status=0
    "$x_tool" title "$window" "$work/rest.png" "$work/rest.before.png" || status=$?
    cp "$work/rest.png" "$work/rest.before.png" 2>/dev/null
    return "$status"
}

# What the user asks of the window manager: resize W H, move X Y, minimise, restore or close. i3
# and sway take their own commands (i3 applies a pager's resize request unconstrained, sway knows
# none); neither minimises. sway's resize command ignores the window's size hints, unlike its
# resize with the mouse, which a headless sway cannot be given. What a manager does not do has
# status 1.
manager() {
    if [ -n "${SWAYSOCK:-}" ]; then
        local -A command=([move]="move position ${2:-} px ${3:-} px" [close]=kill)
        [ -n "${command[$1]:-}" ] || return 1
        swaymsg "[id=$window] ${command[$1]}" >/dev/null
    elif xprop -root I3_SOCKET_PATH 2>/dev/null | grep -q '"'; then
        local -A command=([resize]="resize set ${2:-} px ${3:-} px"
            [move]="move position ${2:-} px ${3:-} px" [close]=kill)
        [ -n "${command[$1]:-}" ] || return 1
        i3-msg "[id=$window] ${command[$1]}" >/dev/null
    elif [ "$1" = minimise ]; then
        # The request a program sends, which wmctrl does not.
        xdotool windowminimize "$window"
    else
        local -A request=([resize]="-r $window -e 0,-1,-1,${2:-},${3:-}"
            [move]="-r $window -e 0,${2:-},${3:-},-1,-1" [restore]="-a $window" [close]="-c $window")
        # shellcheck disable=SC2086 # the request's words
        wmctrl -i ${request[$1]}
    fi
}

if [ -n "$panel" ]; then
    echo "== a panel at the $panel"
    "$x_tool" panel "$panel" 40 &
    panel_pid=$!
    # The manager may announce the work area more than once on its way there (for its desktops
    # first, say).
    room_for_panel() {
        read -r area_x area_y _ <<<"$(work_area)"
        [ "$panel $area_x $area_y" = "top 0 40" ] || [ "$panel $area_x $area_y" = "left 40 0" ]
    }
    wait_for 10 "the work area to leave room for the panel" room_for_panel
fi

echo "== the opening"
start_kebo
"$x_tool" watch "$window" >"$work/opening" &
watch_pid=$!
wait_opened
kill "$watch_pid"
watch_pid=""
echo "opened to ${frame_w}x${frame_h} px, client ${client_w}x${client_h} px, in" \
    "$(reconfigurations "$work/opening") changes of the frame window"
[ "${frame_w}" -ge 317 ] && [ "${frame_w}" -le 319 ] ||
    fail "outer width ${frame_w} px, not 318 (4770 twips)"
# From the smallest window the manager allows, each tick adds 50 twips of height until the width
# reaches 4700 twips: from a one-pixel client in a thin frame, 47 ticks and 2350 twips (157 px).
read -r least_w least_h < <("$x_tool" smallest) || fail "no smallest window (x_tool smallest)"
read -r left right < <(xprop -id "$window" _NET_FRAME_EXTENTS |
    sed -n 's/.*= \([0-9]*\), \([0-9]*\),.*/\1 \2/p') || true
ticks=$(((4700 - 15 * (least_w + ${left:-0} + ${right:-0}) + 99) / 100))
expected_h=$(((15 * least_h + 50 * ticks + 7) / 15))
echo "the smallest client here is ${least_w}x${least_h} px: ${ticks} ticks"
[ $((client_h - expected_h)) -ge -2 ] && [ $((client_h - expected_h)) -le 2 ] ||
    fail "client height ${client_h} px after ${ticks} ticks, not ${expected_h}"
# One change a tick; kwin holds a new window at the height of its title bar once it has
# framed it, a change of its own.
[ "$(reconfigurations "$work/opening")" -le $((ticks + 1)) ] ||
    fail "the frame window changed $(reconfigurations "$work/opening") times in ${ticks} ticks"
never_offered "$work/opening" "the opening"
# The window was centred on the work area with its frame when shown, and grows about that
# centre: it ends centred to within 4 px (the last step widens it on the right only).
read -r area_x area_y area_w area_h _ < <(work_area) || true
if [ -z "${area_h:-}" ]; then
    read -r area_w area_h < <(xdpyinfo | awk '/dimensions:/ { sub("x", " ", $2); print $2 }')
    area_x=0 area_y=0
fi
off_x2=$((2 * frame_x + frame_w - 2 * area_x - area_w))
off_y2=$((2 * frame_y + frame_h - 2 * area_y - area_h))
echo "centre off the work area's by ${off_x2},${off_y2} half pixels"
[ ${off_x2#-} -le 8 ] && [ ${off_y2#-} -le 8 ] ||
    fail "the window ended ${off_x2},${off_y2} half pixels off the work area's centre"

echo "== at rest"
# (Its size is fixed: wait_opened waited for that.)
xprop -id "$window" WM_NORMAL_HINTS _NET_WM_ALLOWED_ACTIONS >"$work/hints"
sed 's/^/  /' "$work/hints"
grep -Eq '_NET_WM_ACTION_(RESIZE|MAXIMIZE)' "$work/hints" &&
    fail "the window manager offers to resize or maximise the window"
# A manager handles its requests in order: once the move has been applied, so has the resize.
rest="$frame_w $frame_h"
manager resize 600 400 || echo "no resize through this manager to try"
manager move 200 150
wait_for 10 "the window to move" moved
[ "$frame_w $frame_h" = "$rest" ] || fail "resized through the manager to ${frame_w}x${frame_h}"
echo "moved to ${frame_x},${frame_y}, still ${frame_w}x${frame_h}"
# The frame shown at rest, the active window's, is the one the manager draws anew once the
# window comes back (kwin draws the frame of a window fixed in size anew only when asked).
if manager restore; then
    grep -q _NET_WM_ACTION_MINIMIZE "$work/hints" || fail "the window manager offers no minimise"
    wait_for 10 "the window to be active" active
    # The picture to come back to is one the manager has finished drawing: two in a row alike
    # (mutter may still be drawing the frame of the window it has just activated).
    wait_for 10 "the title bar to be drawn at rest" title_steady
    manager minimise
    wait_for 10 "the window manager to minimise the window" in_state Iconic
    manager restore
    wait_for 10 "the window manager to restore the window" in_state Normal
    wait_for 10 "the title bar to show as before the minimise" title_as "$work/rest.png"
    read_frame
    [ "$frame_w $frame_h" = "$rest" ] || fail "restored to ${frame_w}x${frame_h}"
    echo "minimised and restored through the manager, at ${frame_x},${frame_y}"
else
    echo "no minimise through this manager to try"
fi

echo "== the close request and the farewell"
manager close
for key in y y n n y; do answer "$key"; done
"$x_tool" watch "$window" >"$work/farewell" &
watch_pid=$!
wait_for 10 "x_tool watch to be ready" grep -q ready "$work/farewell"
answer Return
wait_exit 10
wait "$watch_pid" || true
watch_pid=""
[ "$kebo_status" -eq 0 ] || fail "exit status $kebo_status after the farewell"
grep -q iconify "$work/farewell" || fail "the window did not ask to be minimised"
never_offered "$work/farewell" "the farewell"
# kebo ends right after its last step, and a busy manager may apply some steps late or, once
# kebo has gone, not at all: how far the window got here depends on the machine. A busy manager
# of the Metacity line also applies a step's size before its move: a change followed by a move
# at the same size is left out. Of the rest, the centre the farewell kept is the median of their
# centres. (That the window manager is free to shrink the window once the size held at rest is
# let go is the Qt window test's.)
steps=$(changes "$work/farewell" | awk -v w0="$frame_w" '$3 < w0' |
    awk 'NR > 1 && !($3 == w && $4 == h && ($1 != x || $2 != y)) { print x, y, w, h }
        { x = $1; y = $2; w = $3; h = $4 } END { if (NR) print x, y, w, h }')
narrowest=$(sort -k3,3n <<<"$steps" | head -n 1)
# sway centres a floating window on the screen at each request of its size.
centre="$frame_x $frame_y $frame_w $frame_h"
[ -z "${SWAYSOCK:-}" ] || centre="$area_x $area_y $area_w $area_h"
if [ -n "$narrowest" ]; then
    kept=$(awk '{ x[NR] = 2 * $1 + $3; y[NR] = 2 * $2 + $4 }
        function median(v, n,    i, j, t) {
            for (i = 2; i <= n; i++) for (j = i; j > 1 && v[j - 1] > v[j]; j--) {
                t = v[j]; v[j] = v[j - 1]; v[j - 1] = t
            }
            return v[int((n + 1) / 2)]
        }
        END { mx = median(x, NR); my = median(y, NR); printf "%d %d 0 0\n", mx / 2, my / 2 }' \
        <<<"$steps")
    drift=$(printf '%s\n' "$centre" "$kept" | drift)
    [ "$drift" -le 8 ] || fail "the farewell moved the window's centre by ${drift} half pixels"
    echo "shrank to $(cut -d' ' -f3 <<<"$narrowest") px about its new centre (within ${drift}" \
        "half pixels), minimised, exit 0"
else
    echo "minimised, exit 0, before the window manager applied a step of the farewell"
fi
