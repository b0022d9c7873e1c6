#!/usr/bin/env bash
# Types a calculation with real key events, saves the log, takes screenshots under build/
# and closes the program with Ctrl+Q, which must end it with exit code 0.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
e2e_init "$1" "$2" "$3"
e2e_start_display
e2e_prepare_work
e2e_start_program

# 5 + 3 Enter, then save the log with Ctrl+T into the working folder.
xdotool type --delay 80 '5+3'
xdotool key --delay 80 Return
sleep 0.3
e2e_screenshot e2e-calculation
if [ "${VEMOX_E2E_SAVE_LOG:-1}" = 1 ]; then
    xdotool key ctrl+t
    sleep 1.0
    xdotool type --delay 20 "$E2E_WORK/session"
    xdotool key Return
    for _ in $(seq 50); do [ -f "$E2E_WORK/session.tlg" ] && break; sleep 0.1; done
    [ -f "$E2E_WORK/session.tlg" ] || e2e_fail "the log was not saved"
    expected=$(printf '5\r\n+\r\n3\r\n---- Equals: 8.00\r\n' | od -An -c)
    actual=$(od -An -c < "$E2E_WORK/session.tlg")
    [ "$expected" = "$actual" ] || e2e_fail "saved log differs: $actual"
    e2e_focus
fi

e2e_screenshot e2e-screenshot
e2e_close
echo "e2e: ok, screenshots in $E2E_BIN"
