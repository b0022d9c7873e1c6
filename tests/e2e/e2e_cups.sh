#!/usr/bin/env bash
# Printing through a CUPS scheduler of the test's own, stopped while the program starts. On
# queue "pdf" (A4) Ctrl+P prints the receipt and Ctrl+R the log report; on "roll" (80 mm),
# chosen in Printer Setup, the 40-column receipt is as long as its content; once the roll is
# removed, Ctrl+P offers a PDF file. Pages and paper are read from each job's PDF, the text
# from the document in CUPS's spool; first pages are saved as build/e2e-cups-*.png.
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

# The queue's next job: pages and paper ("PAGES WxH" in points) match $3, the document sent
# holds $4, and its first page, saved as $2.png, is not blank.
check_job() {
    local pdf="$E2E_TMP/$2.pdf" got dark
    cups_take_pdf "$1" "$pdf"
    got=$(pdfinfo "$pdf" | awk '/^Pages:/ { p = $2 } /^Page size:/ { printf "%d %dx%d", p, $3 + 0.5, $5 + 0.5 }')
    [[ $got =~ ^$3$ ]] || e2e_fail "$2: $got (pages, paper in points)"
    grep -Eq "$4" <<<"$(pdftotext -layout "$(cups_document "$CUPS_JOB")" -)" || e2e_fail "$2: the document lacks '$4'"
    pdftoppm -r 60 -png -singlefile "$pdf" "$E2E_BIN/$2" 2>/dev/null || e2e_fail "$2: the PDF cannot be read"
    dark=$(/usr/bin/convert "$E2E_BIN/$2.png" -colorspace Gray -threshold 50% -format '%[fx:round(w*h*(1-mean))]' info:)
    [ "$dark" -gt 300 ] || e2e_fail "$2: the first page is blank"
}
total='TOTAL AMOUNT +ALL +9,677\.49'

e2e_convert_europe 100
xdotool key ctrl+p
check_job pdf e2e-cups-receipt '1 595x842' "$total"
e2e_focus
xdotool key ctrl+r
check_job pdf e2e-cups-log '[0-9]+ 595x842' '100\.00 Euros\(EUR\) Converts to 9,677\.49 Leke \(ALL\)'

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
# 80 mm is 227 points; the roll's length as the driver knows it (850 points) is not used.
check_job roll e2e-cups-roll '1 22[67]x[2-7][0-9][0-9]' "$total"

# No job that prints nothing for a removed printer: a PDF file instead (Return: Yes, its name).
cups_admin -x roll
e2e_focus
xdotool key --delay 1000 ctrl+p Return
sleep 1.0
xdotool key ctrl+a type --delay 20 "$E2E_WORK/kept"
xdotool key Return
for _ in $(seq 50); do [ -s "$E2E_WORK/kept.pdf" ] && break; sleep 0.1; done
grep -Eq "$total" <<<"$(pdftotext -layout "$E2E_WORK/kept.pdf" - 2>/dev/null)" ||
    e2e_fail "the receipt for the removed printer was not offered as a PDF file"

e2e_close
echo "e2e: ok ($CUPS_KIND), pages in $E2E_BIN/e2e-cups-*.png"
