#!/usr/bin/env bash
# kebo without any display: a mistake on the command line is a usage error (status 2, one line
# naming it), told before the display is looked for; Qt's own options are no mistake, and the
# missing display is reported (status 1), as is an X display that does not answer (one that
# nothing serves, without falling back to TCP), for Qt's own choice of platform and for xcb asked
# for. On Qt's display-less offscreen platform, an option of another platform's is left over: a
# usage error too.
# Usage: no_display.sh KEBO
set -uo pipefail
kebo=$1
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
# Qt wants a private runtime directory and warns without one.
XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
failed=0
no_display="kebo: no display to show the window on (DISPLAY is not set)"
while IFS='|' read -r environment expected_status expected_line arguments; do
    read -ra arguments <<<"$arguments"
    # shellcheck disable=SC2086 # the environment is NAME=VALUE words
    out=$(env $environment "$kebo" "${arguments[@]}" 2>&1)
    status=$?
    expected_line=${expected_line/NO_DISPLAY/$no_display}
    # shellcheck disable=SC2053 # the expected line is a pattern
    if [ "$status" -ne "$expected_status" ] || [[ $out != $expected_line ]]; then
        echo "FAIL: $environment kebo ${arguments[*]}: status $status, '$out'"
        failed=1
    fi
done <<'CASES'
|1|NO_DISPLAY|
|1|NO_DISPLAY|-platform xcb -display :9 --style=fusion -reverse -qwindowtitle T
DISPLAY=unix/:65534|1|kebo: cannot open the X display unix/:65534|
DISPLAY=unix/:65534 QT_QPA_PLATFORM=xcb|1|kebo: cannot open the X display unix/:65534|
|2|kebo: Unknown option 'no-such-option'. Usage: *|--no-such-option
|2|kebo: Unexpected argument 'stray'. Usage: *|-platform xcb stray
QT_QPA_PLATFORM=offscreen|2|kebo: Qt's offscreen platform does not take '-display'. Usage: *|-display :9
CASES
exit $failed
