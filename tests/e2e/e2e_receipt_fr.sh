#!/usr/bin/env bash
# With LANGUAGE=fr, 100 GBP converted to France and printed to a PDF file carries French
# captions; the saved log and account record are those of an English run.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
e2e_init "$1" "$2" "$3"
e2e_start_display
run_in() {   # language, results folder: converts, adds the record, saves the log, prints the receipt
    e2e_prepare_work
    # Quick Print adds to the account file without asking, and prints nothing.
    e2e_seed_store G_r '"UA"=dword:00000001' '"PGoA"=dword:00000001' '"PGoP"=dword:00000000' '"PGs"=dword:00000001'
    # The first tab's first two buttons: the United Kingdom, then France.
    printf '%s\r\n' '' '[HKEY_CURRENT_USER\Software\VEMOX\Ct]' '"0"="Unt. Kingdom"' '"1"="France"' \
        >>"$XDG_CONFIG_HOME/vemox/registry.reg"
    LANGUAGE=$1 e2e_start_program
    xdotool key c   # 100 of the first button's pounds into the second's euros
    e2e_click 299 91
    xdotool type --delay 80 100
    e2e_click 299 114
    e2e_click 71 239 && sleep 1 && e2e_focus   # Quick Print
    e2e_save_log "$E2E_WORK/log"
    e2e_focus
    xdotool key ctrl+p sleep 1 key Return sleep 1 key ctrl+a   # Yes: save the receipt as a PDF file instead
    xdotool type --delay 20 "$E2E_WORK/receipt"
    xdotool key Return
    for _ in $(seq 50); do [ -s "$E2E_WORK/receipt.pdf" ] && break; sleep 0.1; done
    [ -s "$E2E_WORK/receipt.pdf" ] || e2e_fail "the receipt was not saved as a PDF file ($1)"
    e2e_close
    mkdir -p "$2" && cp "$E2E_WORK/log.tlg" "$E2E_WORK/receipt.pdf" "$2/"
    cp "$E2E_WORK/ZyMAccount.afe" "$2/account.afe" 2>/dev/null || e2e_fail "no account record ($1)"
    rm -rf "$E2E_WORK" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME"
}
run_in en "$E2E_TMP/en"
run_in fr "$E2E_TMP/fr"

text=$(pdftotext -layout "$E2E_TMP/fr/receipt.pdf" -)
for want in 'COPIE CLIENT' 'Devise locale +Pounds \(GBP\) +100\.00' 'Taux de change' 'MONTANT TOTAL +EUR +114\.75'; do
    grep -Eq "$want" <<<"$text" || e2e_fail "the French receipt lacks '$want': $text"
done
# The log's date and time are those of each run; the lines of the conversion are the same.
cmp <(grep -v -E '^[0-9]{2}/' "$E2E_TMP/en/log.tlg") <(grep -v -E '^[0-9]{2}/' "$E2E_TMP/fr/log.tlg") ||
    e2e_fail "the saved log differs between English and French"
cmp <(cut -d, -f3- "$E2E_TMP/en/account.afe") <(cut -d, -f3- "$E2E_TMP/fr/account.afe") ||
    e2e_fail "the account record differs between English and French"
pdftoppm -r 70 -png -singlefile "$E2E_TMP/fr/receipt.pdf" "$E2E_BIN/e2e-receipt-fr"
