#!/usr/bin/env bash
# Drag and drop with real pointer events: opens the Country List with Ctrl+D, drags
# Bermuda from the tree onto the first currency button, closes the program with Ctrl+Q and
# checks that the slot reached the store (key Ct). Screenshots under build/.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
e2e_init "$1" "$2" "$3"
e2e_start_display
e2e_prepare_work
e2e_start_program

eval "$(xdotool getwindowgeometry --shell "$E2E_WIN")"
MX=$X MY=$Y
# The list opens with its corner at the pointer: left of the currency buttons.
xdotool mousemove 10 $((MY + 57))
sleep 0.2
xdotool key ctrl+d
sel=$(timeout 10 xdotool search --sync --onlyvisible --name '^Currency Selector$' | head -n1) ||
    e2e_fail "no Currency Selector"
eval "$(xdotool getwindowgeometry --shell "$sel")"
SX=$X SY=$Y
[ "$SX,$SY" = "10,$((MY + 57))" ] || e2e_fail "the list opened at $SX,$SY, not at the pointer"

# The tree has the focus: America, open it, North America, open it, its first country.
xdotool key --delay 60 Down Right Down Down Right Down
sleep 0.3
e2e_screenshot e2e-dnd-list

# Rows are 18 pixels from the tree's top (40 below the window's); Bermuda is the fifth.
fx=$((SX + 80)) fy=$((SY + 40 + 4 * 18 + 9))
bx=$((MX + 299)) by=$((MY + 91))   # the first currency button
e2e_drag "$fx" "$fy" "$bx" "$by"
e2e_screenshot e2e-dnd-dropped

# The first button shows the country now: its pixels changed with the drop.
button="134x22+$((bx - 67))+$((by - 11))"
/usr/bin/convert "$E2E_BIN/e2e-dnd-list.png" -crop "$button" "$E2E_TMP/before.png"
/usr/bin/convert "$E2E_BIN/e2e-dnd-dropped.png" -crop "$button" "$E2E_TMP/after.png"
changed=$(/usr/bin/compare -metric AE "$E2E_TMP/before.png" "$E2E_TMP/after.png" null: 2>&1 || true)
[ "${changed%% *}" -gt 50 ] 2>/dev/null || e2e_fail "the first button did not change ($changed pixels)"
echo "e2e: the first button changed in $changed pixels"

e2e_close
store="$XDG_CONFIG_HOME/vemox/registry.reg"
# The store's lines end with CR LF.
ct=$(tr -d '\r' <"$store" | awk '/^\[/{on = ($0 ~ /\\Software\\VEMOX\\Ct\]/)} on')
[ -n "$ct" ] || e2e_fail "the store holds no button layout after the close"
grep -qx '"0"="Bermuda"' <<<"$ct" || e2e_fail "slot 1 is not Bermuda in the store: $ct"
echo "e2e: drag and drop ok, screenshots in $E2E_BIN"
