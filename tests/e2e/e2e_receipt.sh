#!/usr/bin/env bash
# A receipt as an operator prints it: a banner stored beforehand, a conversion of 100 from
# the first currency of Europe's tab into the second, then Ctrl+P. With no printer installed
# the program says so and offers a PDF file; Return takes the offer, the file is named in the
# file dialog. The receipt's text is checked with pdftotext, and its page is saved as
# e2e-receipt.png under build/ for a person to look at. Ctrl+R then prints the log report
# the same way (e2e-receipt-log.png).
set -euo pipefail
source "$(dirname "$0")/lib.sh"
e2e_init "$1" "$2" "$3"
e2e_start_display
e2e_prepare_work
e2e_seed_store Banner '"0"="Foreign Exchange Purchase"' '"1"="Counter Bureau Ltd"' '"13"="Station Branch"' \
    '"8"="desk@bureau.example"'
# The address lines print only when the operator ticked them in the options.
printf '%s\r\n' '' '[HKEY_CURRENT_USER\Software\VEMOX\PrintStatus]' '"UAs"=dword:00000001' \
    >>"$XDG_CONFIG_HOME/vemox/registry.reg"
e2e_start_program

e2e_convert_europe 100

xdotool key ctrl+p
sleep 1.0
xdotool key Return            # Yes: save the receipt as a PDF file instead
sleep 1.0
xdotool key ctrl+a            # over the proposed name
xdotool type --delay 20 "$E2E_WORK/receipt"
xdotool key Return
for _ in $(seq 50); do [ -s "$E2E_WORK/receipt.pdf" ] && break; sleep 0.1; done
[ -s "$E2E_WORK/receipt.pdf" ] || e2e_fail "the receipt was not saved as a PDF file"

text=$(pdftotext -layout "$E2E_WORK/receipt.pdf" -)
for want in 'Foreign Exchange Purchase' 'Counter Bureau Ltd' 'Station Branch' 'CUSTOMER COPY' \
            'Local Currency +Euros \(EUR\) +100\.00' 'TOTAL AMOUNT +ALL +9,677\.49' 'Email: desk@bureau\.example'; do
    grep -Eq "$want" <<<"$text" || e2e_fail "the receipt lacks '$want': $text"
done
pdftoppm -r 70 -png -singlefile "$E2E_WORK/receipt.pdf" "$E2E_BIN/e2e-receipt"

# Ctrl+R: the log report, by the same way, under its dated title.
e2e_focus
xdotool key ctrl+r
sleep 1.0
xdotool key Return
sleep 1.0
xdotool key ctrl+a
xdotool type --delay 20 "$E2E_WORK/log"
xdotool key Return
for _ in $(seq 50); do [ -s "$E2E_WORK/log.pdf" ] && break; sleep 0.1; done
text=$(pdftotext -layout "$E2E_WORK/log.pdf" -)
grep -Eq 'Transaction Log Date: [0-9/]+ Time:[0-9:]+' <<<"$text" || e2e_fail "the log report lacks its title: $text"
grep -Fq '100.00 Euros(EUR) Converts to 9,677.49 Leke (ALL)' <<<"$text" || e2e_fail "the log report lacks the conversion: $text"
pdftoppm -r 50 -png -singlefile "$E2E_WORK/log.pdf" "$E2E_BIN/e2e-receipt-log"

e2e_close
echo "e2e: ok, receipt page $E2E_BIN/e2e-receipt.png"
