# Waiting with a deadline, for the test scripts and tools: every wait says what it waited for, and
# every failure says why in a line "FAIL: ...". Sourced; a script may define its own
# `fail MESSAGE...` first (it does not return).

declare -F fail >/dev/null || fail() {
    echo "FAIL: $*" >&2
    exit 1
}

now_ms() {
    local us=${EPOCHREALTIME/[.,]/}
    echo $((us / 1000))
}

# poll_until SECONDS COMMAND...: runs the command every $wait_step seconds (0.02 unless set) until
# it succeeds; status 1 once SECONDS have passed without.
poll_until() {
    local deadline=$(($(now_ms) + $1 * 1000))
    shift
    until "$@"; do
        [ "$(now_ms)" -lt "$deadline" ] || return 1
        sleep "${wait_step:-0.02}"
    done
}

# wait_for SECONDS WHAT COMMAND...: as poll_until, and fails with "waited SECONDS s for WHAT".
wait_for() {
    poll_until "$1" "${@:3}" || fail "waited $1 s for $2"
}
