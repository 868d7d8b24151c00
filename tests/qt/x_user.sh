# What a user does to kebo on an X display, for the scripts that drive the real program (the
# end-to-end and desktop tests, tools/bench): start it, find its windows, answer its boxes, close
# it. Sourced; the script sets, for start_kebo, wait_exit and wait_opened, the program `kebo`,
# `x_tool` and a scratch directory `work`, and may define its own `fail MESSAGE...` first (it
# does not return).

# Says what failed, with what kebo wrote on stderr, and ends the script.
declare -F fail >/dev/null || fail() {
    echo "FAIL: $*" >&2
    [ -s "$work/stderr" ] && sed 's/^/  kebo: /' "$work/stderr" >&2
    exit 1
}
source "$(dirname "${BASH_SOURCE[0]}")/../lib/wait.sh"

# Whether there is a visible window titled $1 other than $2; sets `found` to the first.
window_titled() {
    found=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | grep -vx "${2:-none}" |
        head -1 || true)
    [ -n "$found" ]
}

window_exists() { xdotool getwindowname "$1" >/dev/null 2>&1; }
window_gone() { ! window_exists "$1"; }
kebo_ended() { ! kill -0 "$kebo_pid" 2>/dev/null; }

# Answers the next message box, coming within $2 seconds (10 by default), with a key: y (Yes),
# n (No) or Return (the default button).
answer() {
    wait_for "${2:-10}" "a message box to answer $1" window_titled KEBO "${previous_box:-none}"
    previous_box=$found
    xdotool windowactivate --sync "$found" key "$1" 2>/dev/null || true
    wait_for 5 "the message box to go after $1" window_gone "$found"
}

# Closes window $1 as the user does with Alt+F4, the window manager's own close binding: it sends
# the close request with a real timestamp to the active window, as the close button does. On a
# busy machine openbox may still be in a move when the keys come (the button's release waits in
# its queue), and a move takes every key for itself: they are pressed again then.
close_window() {
    for _ in 1 2 3; do
        xdotool windowactivate --sync "$1" key alt+F4
        poll_until 3 window_titled KEBO && return 0
    done
    fail "no question after Alt+F4, pressed three times"
}

# Waits up to $1 seconds for kebo to exit; sets kebo_status.
wait_exit() {
    wait_for "$1" "kebo to exit" kebo_ended
    kebo_status=0
    wait "$kebo_pid" || kebo_status=$?
    kebo_pid=""
}

# start_kebo [NAME=VALUE...]: kebo with these in its environment too.
start_kebo() {
    env LANGUAGE=ja "$@" "$kebo" 2>"$work/stderr" &
    kebo_pid=$!
    wait_for 10 "the window ポムリナ" window_titled ポムリナ
    window=$found
}

# Reads the window's outer geometry with its frame into frame_x, frame_y, frame_w, frame_h and
# its own into client_x, client_y, client_w, client_h.
read_frame() {
    read -r frame_x frame_y frame_w frame_h client_x client_y client_w client_h \
        < <("$x_tool" frame "$window") || fail "x_tool frame $window failed"
}

# Whether the window has opened: its outer width is 318 px (4770 twips, give or take one), its
# size is fixed for the window manager, as it is at rest only, and its frame has kept its
# geometry for 300 ms (a manager may still place the frame).
opened() {
    local last=$frame
    read_frame
    frame="$frame_x $frame_y $frame_w $frame_h"
    [ "$frame" = "$last" ] || stable_since=$(now_ms)
    [ "$frame_w" -ge 317 ] && size_fixed && [ $(($(now_ms) - stable_since)) -ge 300 ]
}
size_fixed() {
    local hints minimum
    hints=$(xprop -id "$window" WM_NORMAL_HINTS)
    minimum=$(sed -n 's/.*minimum size: //p' <<<"$hints")
    [ -n "$minimum" ] && [ "$minimum" = "$(sed -n 's/.*maximum size: //p' <<<"$hints")" ]
}
wait_opened() {
    frame="" stable_since=$(now_ms)
    wait_for 20 "the window to open to 318 px and keep its size" opened
}
