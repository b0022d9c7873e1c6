#!/usr/bin/env bash
# The print preview as an operator uses it: a conversion, then Ctrl+N opens the receipt in
# the preview; Save with the PDF format chosen in the save dialog writes the receipt as a
# PDF file, whose first page is turned into e2e-viewer-page.png under build/ to look at
# (with e2e-viewer.png, the preview itself). File > Close ends the preview and the main
# window goes on working.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
e2e_init "$1" "$2" "$3"
e2e_start_display
e2e_prepare_work
e2e_start_program

e2e_convert_europe 100

xdotool key ctrl+n
VIEWER=$(timeout 20 xdotool search --sync --onlyvisible --name '^Print Preview$' | head -n1) ||
    e2e_fail "no window titled Print Preview"
xdotool windowactivate --sync "$VIEWER" 2>/dev/null || xdotool windowfocus --sync "$VIEWER" || true
sleep 0.8
e2e_screenshot e2e-viewer

# Save: the name, then the file type list (Tab) set to PDF, then Save.
xdotool key ctrl+s
sleep 1.0
xdotool type --delay 20 "$E2E_WORK/receipt.pdf"
xdotool key Tab
sleep 0.2
xdotool key P
sleep 0.3
xdotool key Return
PDF=""
for _ in $(seq 50); do
    PDF=$(ls "$E2E_WORK"/receipt.[pP][dD][fF] 2>/dev/null | head -n1 || true)
    [ -n "$PDF" ] && break
    sleep 0.1
done
[ -n "$PDF" ] || e2e_fail "the receipt was not saved as PDF"
text=$(pdftotext -layout "$PDF" -)
for want in 'CUSTOMER COPY' 'TOTAL AMOUNT' 'Euros (EUR)' '9,677.49'; do
    grep -qF "$want" <<<"$text" || e2e_fail "the PDF lacks '$want': $text"
done
pdftoppm -png -r 60 -f 1 -singlefile "$PDF" "$E2E_BIN/e2e-viewer-page" || e2e_fail "pdftoppm failed"

# File > Close ends the preview; the main window then takes keys again.
xdotool windowfocus --sync "$VIEWER" 2>/dev/null || true
sleep 0.3
xdotool key --delay 200 alt+f c
for _ in $(seq 50); do
    xdotool search --onlyvisible --name '^Print Preview$' >/dev/null 2>&1 || break
    sleep 0.1
done
xdotool search --onlyvisible --name '^Print Preview$' >/dev/null 2>&1 && e2e_fail "the preview did not close"
e2e_close
echo "e2e: ok, screenshots $E2E_BIN/e2e-viewer.png and $E2E_BIN/e2e-viewer-page.png"
