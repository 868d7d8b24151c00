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

# Waits until the window has its opened width (318 px, 4770 twips, give or take one) and its
# frame has kept its geometry for 300 ms; sets frame_x, frame_y, frame_w, frame_h and the window's
# own client_x, client_y, client_w, client_h.
wait_opened() {
    local last="" stable_since deadline=$(($(now_ms) + 20000))
    stable_since=$(now_ms)
    while [ "$(now_ms)" -lt "$deadline" ]; do
        local geometry
        geometry=$("$x_tool" frame "$window")
        if [ "$geometry" != "$last" ]; then
            last=$geometry
            stable_since=$(now_ms)
        elif [ $(($(now_ms) - stable_since)) -ge 300 ] &&
            [ "$(cut -d' ' -f3 <<<"$last")" -ge 317 ]; then
            break
        fi
        sleep 0.01
    done
    read -r frame_x frame_y frame_w frame_h client_x client_y client_w client_h <<<"$last"
}
