#!/usr/bin/env bash
# A conversion as an operator makes it: fills the first tab from a region with the Options
# menu's keys, chooses the home currency with Clear and the first button, types 100,
# clicks the second button with the pointer, saves the log with Ctrl+T and compares its
# bytes. The screenshot e2e-exchange.png under build/ shows the converted amount.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
e2e_init "$1" "$2" "$3"
e2e_start_display
e2e_prepare_work
e2e_start_program

# What the log must hold:
# Aland Islands (EUR 0.862) and Albania (ALL 83.42) at the Base rate of the sample data.
EXPECTED_LOG=('----- CLEAR ------' '100.00 Euros(EUR) Converts to 9,677.49 Leke (ALL)')

# Options > Load Default Folders > Europe: the countries of Europe, in alphabetical order.
# Clear, then the first button: its country becomes the home currency. 100, then the second
# button with the pointer.
e2e_convert_europe 100
e2e_screenshot e2e-exchange

xdotool key ctrl+t
sleep 1.0
xdotool type --delay 20 "$E2E_WORK/exchange"
xdotool key Return
for _ in $(seq 50); do [ -f "$E2E_WORK/exchange.tlg" ] && break; sleep 0.1; done
[ -f "$E2E_WORK/exchange.tlg" ] || e2e_fail "the log was not saved"
expected=$(printf '%s\r\n' "${EXPECTED_LOG[@]}" | od -An -c)
actual=$(od -An -c < "$E2E_WORK/exchange.tlg")
[ "$expected" = "$actual" ] || e2e_fail "saved log differs: $(cat -A "$E2E_WORK/exchange.tlg")"

e2e_close
echo "e2e: ok, screenshot $E2E_BIN/e2e-exchange.png"
