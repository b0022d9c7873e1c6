#!/usr/bin/env bash
# An operator's own currency from start to restart: F4 opens the currency editor, Shift+F1
# adds "Mars" (MRS, 1.5 to the dollar), Okay writes it; the Country List shows it at once and
# it is dragged with the pointer onto the first currency button; 100 is converted into it;
# after a restart the button still converts into it. Screenshots e2e-editor-*.png under build/.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
e2e_init "$1" "$2" "$3"
e2e_start_display
e2e_prepare_work
e2e_start_program

wait_window() { timeout 10 xdotool search --sync --onlyvisible --name "$1" | head -n1 || e2e_fail "no window $1"; }
wait_gone() { for _ in $(seq 50); do xdotool search --onlyvisible --name "$1" >/dev/null || return 0; sleep 0.1; done; e2e_fail "$1 did not close"; }

xdotool key F4
ed=$(wait_window '^Currency Changer$')
xdotool windowfocus --sync "$ed" 2>/dev/null || true
xdotool key shift+F1
add=$(wait_window '^User Defined Currency$')
xdotool windowfocus --sync "$add" 2>/dev/null || true
sleep 0.3
# Name, the box, then the code, the rate and the denomination.
xdotool type --delay 60 'Mars'
xdotool key --delay 60 Tab Tab ctrl+a
xdotool type --delay 60 'mrs'
xdotool key Tab && xdotool type --delay 60 '1.5'
xdotool key Tab && xdotool type --delay 60 'Marks'
e2e_screenshot e2e-editor-add
xdotool key F7
wait_gone '^User Defined Currency$'
xdotool windowfocus --sync "$ed" 2>/dev/null || true
xdotool key --delay 100 Right
e2e_screenshot e2e-editor-tree
xdotool key F7
wait_gone '^Currency Changer$'
grep -q '<KRTISO>MRS</KRTISO><KRTDATA>1.5</KRTDATA><KRTCOUNTRY>Mars</KRTCOUNTRY><KRTDENOM>Marks</KRTDENOM>' \
    "$E2E_WORK/UserDefined.dat" || e2e_fail "UserDefined.dat: $(cat -A "$E2E_WORK/UserDefined.dat" 2>&1)"

# The Country List, its last region (User Defined) opened and its first country selected.
e2e_focus
eval "$(xdotool getwindowgeometry --shell "$E2E_WIN")"
MX=$X MY=$Y
xdotool mousemove 10 $((MY + 57))
xdotool key ctrl+d
sel=$(wait_window '^Currency Selector$')
eval "$(xdotool getwindowgeometry --shell "$sel")"
SX=$X SY=$Y
xdotool key --delay 80 End Right Down
sleep 0.3
e2e_screenshot e2e-editor-list
# The selected row is the run of highlight (strong blue) right of every node's text.
row=$(/usr/bin/convert "$E2E_BIN/e2e-editor-list.png" -crop "1x200+$((SX + 300))+$SY" -depth 8 txt:- |
    sed -n 's/^0,\([0-9]*\): (\([0-9]*\),[0-9]*,\([0-9]*\)).*/\1 \2 \3/p' |
    awk '$2 < 120 && $3 > 150 {if (a == "") a = $1; b = $1} END {if (a != "") print int((a + b) / 2)}')
[ -n "$row" ] || e2e_fail "no selected row in the Country List"
fx=$((SX + 100)) fy=$((SY + row))
bx=$((MX + 299)) by=$((MY + 91))   # the first currency button
e2e_drag "$fx" "$fy" "$bx" "$by"

# 100, then the button with the pointer: the amount is converted into Mars; the log says so.
convert_and_check() {
    e2e_focus
    xdotool type --delay 80 '100'
    e2e_click 299 91
    e2e_screenshot "$1"
    e2e_save_log "$E2E_WORK/$1"
    grep -q 'Converts to .* Marks (MRS)' "$E2E_WORK/$1.tlg" || e2e_fail "no conversion into Mars: $(cat -A "$E2E_WORK/$1.tlg")"
}
convert_and_check e2e-editor-converted
e2e_close

# After a restart the currency and its button are still there.
e2e_start_program
convert_and_check e2e-editor-restarted
e2e_close
echo "e2e: own currency added, dragged, converted and kept; screenshots in $E2E_BIN"
