#!/usr/bin/env bash
# A charge typed over as an operator does it: after 100 into Europe's first currency, F5 opens
# Commission Setup on its first field; "3" is typed there, Tab moves on and "2.5" is typed, and
# F7 stores them. Each field entered is typed over whole, so the store holds "003.000" and
# "002.500", never digits pushed in after the old value. Screenshot e2e-commission.png.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
e2e_init "$1" "$2" "$3"
e2e_start_display
e2e_prepare_work
e2e_start_program

e2e_convert_europe 100
xdotool key F5
form=$(timeout 10 xdotool search --sync --onlyvisible --name '^Commission Setup$' | head -n1) ||
    e2e_fail "Commission Setup did not open"
xdotool windowfocus --sync "$form" 2>/dev/null || true
sleep 0.5
xdotool type --delay 80 '3'
xdotool key --delay 80 Tab
xdotool type --delay 80 '2.5'
e2e_screenshot e2e-commission
xdotool key F7
for _ in $(seq 50); do xdotool search --onlyvisible --name '^Commission Setup$' >/dev/null || break; sleep 0.1; done

store="$XDG_CONFIG_HOME/vemox/registry.reg"
for _ in $(seq 30); do grep -q '003\.000' "$store" 2>/dev/null && break; sleep 0.1; done
charges=$(tr -d '\r' <"$store" | sed -n '/\\Cvx\]/,/^\[/p')
grep -qx '"0"="003.000"' <<<"$charges" || e2e_fail "the first field was not typed over: $charges"
grep -qx '"1"="002.500"' <<<"$charges" || e2e_fail "the field entered by Tab was not typed over: $charges"
