#!/usr/bin/env bash
# A conversion added to the account file as an operator does it: with "Use Account Export
# File" set, 100 of Europe's first currency into its second, then Quick Print; in Print/Accounts
# "Add to Account File" is ticked with the pointer and F7 confirms. ZyMAccount.afe of the data
# folder is compared byte for byte (date and time by their form). A second Quick Print adds
# nothing and says so. Screenshots e2e-accounts-dialog.png and e2e-accounts.png under build/.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
e2e_init "$1" "$2" "$3"
e2e_start_display
e2e_prepare_work
e2e_seed_store G_r '"UA"=dword:00000001'
e2e_start_program
window() { timeout 10 xdotool search --sync --onlyvisible --name "^$1\$" | head -n1 || e2e_fail "no window $1"; }
e2e_convert_europe 100
for round in 1 2; do
    e2e_focus
    e2e_click 71 239                     # Quick Print
    dialog=$(window 'Print/Accounts')
    [ $round = 1 ] && e2e_click_in "$dialog" 20 80 && e2e_screenshot e2e-accounts-dialog   # Add to Account File
    xdotool windowfocus --sync "$dialog" key F7 2>/dev/null
    sleep 1
done
note=$(window Messenger)                            # nothing left to add
e2e_screenshot e2e-accounts
xdotool windowfocus --sync "$note" key Return 2>/dev/null
file="$E2E_WORK/ZyMAccount.afe"
want='^[0-9]{2}/[0-9]{2}/[0-9]{4},[0-9]{2}:[0-9]{2}:[0-9]{2},Base Rate,Cash,Euros \(EUR\),100\.00,96\.77,Leke \(ALL\),9,677\.49,0\.00,0\.00,9,677\.49'$'\r''$'
[ "$(wc -c < "$file")" = 99 ] && LC_ALL=C grep -Eq "$want" "$file" || e2e_fail "the account file holds: $(od -c "$file")"
e2e_close
echo "e2e: ok, screenshots $E2E_BIN/e2e-accounts-dialog.png $E2E_BIN/e2e-accounts.png"
