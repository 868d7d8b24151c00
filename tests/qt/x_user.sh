# What a user does to kebo on an X display, for the scripts that drive the real program (the
# end-to-end test, tools/bench): find its windows, answer its boxes, close it. Sourced; the script
# defines `fail MESSAGE...`, which does not return.

now_ms() {
    local us=${EPOCHREALTIME/[.,]/}
    echo $((us / 1000))
}

# Waits up to $1 seconds for the first visible window titled $2 other than $3; prints its id.
wait_window() {
    local deadline=$(($(now_ms) + $1 * 1000)) id
    while [ "$(now_ms)" -lt "$deadline" ]; do
        id=$(xdotool search --onlyvisible --name "^$2\$" 2>/dev/null | grep -vx "${3:-none}" |
            head -1 || true)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.02
    done
    return 1
}

window_exists() { xdotool getwindowname "$1" >/dev/null 2>&1; }

# Answers the next message box, coming within $2 seconds (10 by default), with a key: y (Yes),
# n (No) or Return (the default button).
answer() {
    local box
    box=$(wait_window "${2:-10}" KEBO "${previous_box:-none}") || fail "no message box to answer $1"
    xdotool windowactivate --sync "$box" key "$1" 2>/dev/null || true
    for _ in $(seq 500); do window_exists "$box" || break; sleep 0.01; done
    window_exists "$box" && fail "the message box stayed after $1"
    previous_box=$box
}

# Closes window $1 as the user does with Alt+F4, the window manager's own close binding: it sends
# the close request with a real timestamp to the active window, as the close button does. On a
# busy machine openbox may still be in a move when the keys come (the button's release waits in
# its queue), and a move takes every key for itself: they are pressed again then.
close_window() {
    for _ in 1 2 3; do
        xdotool windowactivate --sync "$1" key alt+F4
        wait_window 3 KEBO >/dev/null && return 0
    done
    fail "no question after Alt+F4"
}
