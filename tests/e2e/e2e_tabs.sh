#!/usr/bin/env bash
# Loads the Asian countries from the Options menu with keys, switches to the second tab
# with the pointer, and takes a screenshot of each; the slots must change with the tab.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
e2e_init "$1" "$2" "$3"
e2e_start_display
e2e_prepare_work
e2e_start_program

# Options > Load Default Folders > Asia.
xdotool key --delay 150 alt+o l s
sleep 0.5
e2e_screenshot e2e-tabs-asia1
import -window "$E2E_WIN" "$E2E_TMP/asia1.png" || e2e_fail "window shot failed"

# The second tab sits right of the first in the tab bar above the slots.
xdotool mousemove --window "$E2E_WIN" 279 63 click 1
sleep 0.5
e2e_screenshot e2e-tabs-asia2
import -window "$E2E_WIN" "$E2E_TMP/asia2.png" || e2e_fail "window shot failed"

# The slots (right half, below the tab bar) show other countries and flags.
slots="340x170+195+85"
/usr/bin/convert "$E2E_TMP/asia1.png" -crop "$slots" +repage "$E2E_TMP/slots1.png"
/usr/bin/convert "$E2E_TMP/asia2.png" -crop "$slots" +repage "$E2E_TMP/slots2.png"
changed=$(compare -metric AE "$E2E_TMP/slots1.png" "$E2E_TMP/slots2.png" null: 2>&1 || true)
[ "${changed%% *}" -gt 2000 ] 2>/dev/null || e2e_fail "the slots did not change with the tab ($changed pixels)"

# After the menu was used with keys the menu bar keeps the focus, so close by the menu too.
xdotool key --delay 150 alt+f x
e2e_close
echo "e2e: ok, screenshots in $E2E_BIN"
