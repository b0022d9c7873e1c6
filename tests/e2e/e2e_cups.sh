#!/usr/bin/env bash
# Printing as a shop prints: through a CUPS scheduler of the test's own with two queues, "pdf"
# (A4, the default) and "roll" (a roll 80 mm wide), the program pointed at it by CUPS_SERVER.
# The program starts while the scheduler is stopped, since nothing at start may wait for it.
# 100 euros are converted into leke; Ctrl+P prints the receipt and Ctrl+R the log report on
# "pdf", with no dialog and no file. Printer Setup (F12) then chooses "roll", and Ctrl+P prints
# the 40-column receipt on it: 80 mm wide and as long as its content; once the roll is removed
# from CUPS, Ctrl+P offers the receipt as a PDF file instead. Each job's PDF from the
# queue is checked for its pages and paper and its first page is saved as a picture under
# build/ (e2e-cups-receipt.png, e2e-cups-log.png, e2e-cups-roll.png); the text is read from
# the document the program sent, which CUPS keeps in its spool.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/cups.sh"
e2e_init "$1" "$2" "$3"
trap 'cups_stop; _e2e_cleanup' EXIT
e2e_start_display
e2e_prepare_work

cups_start "$E2E_TMP/cups"
cups_add_queue pdf
cups_roll_ppd 80 "$E2E_TMP/roll.ppd"
cups_add_queue roll "$E2E_TMP/roll.ppd"
cups_admin -d pdf

e2e_seed_store Banner '"0"="Foreign Exchange Purchase"' '"1"="Counter Bureau Ltd"' '"13"="Station Branch"'
printf '%s\r\n' '' '[HKEY_CURRENT_USER\Software\VEMOX\PrintStatus]' '"PrC"=dword:00000000' \
    >>"$XDG_CONFIG_HOME/vemox/registry.reg"

kill -STOP "$CUPS_PID"
e2e_start_program
kill -CONT "$CUPS_PID"

# The job's first page as a picture; fails when it is blank.
page_picture() {
    pdftoppm -r 60 -png -singlefile "$1" "$E2E_BIN/$2" 2>/dev/null || e2e_fail "$2: the PDF cannot be read"
    local dark
    dark=$(/usr/bin/convert "$E2E_BIN/$2.png" -colorspace Gray -threshold 50% -format '%[fx:round(w*h*(1-mean))]' info:)
    [ "$dark" -gt 300 ] || e2e_fail "$2: the first page is blank ($dark dark dots)"
}
# Pages and paper of a PDF: "PAGES WIDTHxHEIGHT" in points, rounded.
pdf_pages() {
    pdfinfo "$1" | awk '/^Pages:/ { p = $2 } /^Page size:/ { w = $3; h = $5 }
                        END { printf "%d %dx%d\n", p, w + 0.5, h + 0.5 }'
}
sent_text() { pdftotext -layout "$(cups_document "$CUPS_JOB")" -; }

e2e_convert_europe 100
xdotool key ctrl+p
cups_take_pdf pdf "$E2E_TMP/receipt.pdf"
[ "$(pdf_pages "$E2E_TMP/receipt.pdf")" = "1 595x842" ] || e2e_fail "receipt: $(pdf_pages "$E2E_TMP/receipt.pdf")"
grep -Eq 'TOTAL AMOUNT +ALL +9,677\.49' <<<"$(sent_text)" || e2e_fail "the receipt sent lacks its total: $(sent_text)"
page_picture "$E2E_TMP/receipt.pdf" e2e-cups-receipt

e2e_focus
xdotool key ctrl+r
cups_take_pdf pdf "$E2E_TMP/log.pdf"
read -r pages paper <<<"$(pdf_pages "$E2E_TMP/log.pdf")"
[ "$pages" -ge 1 ] && [ "$paper" = 595x842 ] || e2e_fail "log report: $pages pages of $paper"
grep -Fq '100.00 Euros(EUR) Converts to 9,677.49 Leke (ALL)' <<<"$(sent_text)" ||
    e2e_fail "the log report sent lacks the conversion: $(sent_text)"
page_picture "$E2E_TMP/log.pdf" e2e-cups-log

# A print asks the scheduler about the printer it prints on, not about every queue there is.
! grep -qF '/printers/roll' "$CUPS_DIR/log/access_log" || e2e_fail "printing on pdf asked about the roll queue"

# Printer Setup: the printer's name box, "r" for roll, and Print takes the choice.
e2e_focus
xdotool key F12
setup=$(timeout 10 xdotool search --sync --onlyvisible --name '^Printer Setup$' | head -n1) ||
    e2e_fail "Printer Setup did not open"
xdotool windowfocus --sync "$setup" 2>/dev/null || true
sleep 0.5
xdotool key --delay 200 alt+n r
e2e_screenshot e2e-cups-setup
xdotool key Return
for _ in $(seq 50); do xdotool search --onlyvisible --name '^Printer Setup$' >/dev/null || break; sleep 0.1; done
e2e_focus
xdotool key ctrl+p
cups_take_pdf roll "$E2E_TMP/roll.pdf"
read -r pages paper <<<"$(pdf_pages "$E2E_TMP/roll.pdf")"
width=${paper%x*} length=${paper#*x}
# 80 mm is 227 points; the roll's length as the driver knows it (850 points) is not used.
[ "$pages" = 1 ] && [ "$width" -ge 225 ] && [ "$width" -le 228 ] && [ "$length" -gt 200 ] && [ "$length" -lt 800 ] ||
    e2e_fail "roll receipt: $pages pages of $paper points"
grep -Eq 'TOTAL AMOUNT +ALL +9,677\.49' <<<"$(sent_text)" || e2e_fail "the roll receipt sent lacks its total: $(sent_text)"
page_picture "$E2E_TMP/roll.pdf" e2e-cups-roll

# The roll taken away, as when the printer is removed from CUPS: the next print is not lost
# in a job that prints nothing, but offered as a PDF file (Return: Yes, then its name).
cups_admin -x roll
e2e_focus
xdotool key ctrl+p
sleep 1.0
xdotool key Return
sleep 1.0
xdotool key ctrl+a
xdotool type --delay 20 "$E2E_WORK/kept"
xdotool key Return
for _ in $(seq 50); do [ -s "$E2E_WORK/kept.pdf" ] && break; sleep 0.1; done
grep -Eq 'TOTAL AMOUNT +ALL +9,677\.49' <<<"$(pdftotext -layout "$E2E_WORK/kept.pdf" - 2>/dev/null)" ||
    e2e_fail "the receipt for the removed printer was not offered as a PDF file"

e2e_close
echo "e2e: ok ($CUPS_KIND), pages $E2E_BIN/e2e-cups-receipt.png, e2e-cups-log.png, e2e-cups-roll.png"
