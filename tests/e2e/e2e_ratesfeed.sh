#!/usr/bin/env bash
# A shop's own update server as the README's try-out makes it: the rates feed turns an ECB
# file into a reply, "python3 -m http.server" serves its folder on loopback, and the
# program's first host points at it; U, then 100 euros converted to leke must come out at
# the ECB's rates (the euro at 1.25 dollars, 100 leke to the euro: 10,000.00).
set -euo pipefail
source "$(dirname "$0")/lib.sh"
e2e_init "$1" "$2" "$3"
feed="$(dirname "$E2E_EXE")/vemox-ratesfeed"
e2e_start_display
e2e_prepare_work

e2e_start_http_server
srv=$E2E_SRV host=$E2E_HOST

printf '%s\n' '<?xml version="1.0" encoding="UTF-8"?>' \
    '<gesmes:Envelope xmlns:gesmes="http://www.gesmes.org/xml/2002-08-01" xmlns="http://www.ecb.int/vocabulary/2002-08-01/eurofxref">' \
    "<Cube><Cube time='2026-12-08'><Cube currency='USD' rate='1.2500'/><Cube currency='ALL' rate='100.00'/></Cube></Cube>" \
    '</gesmes:Envelope>' >"$E2E_TMP/ecb.xml"
"$feed" --ecb "$E2E_TMP/ecb.xml" --host "$host/cgi-bin/DownLoad.cgi" --host "$host" \
    --previous "$E2E_SRC/share/currency.dat" --output "$srv/cgi-bin/DownLoad.cgi" ||
    e2e_fail "the feed refused the ECB file"

sed -i "0,/www\.vemox\.example/s//$host/" currency.dat
e2e_start_program

# U; the reply's message about the codes the ECB does not quote is acknowledged.
xdotool key --delay 80 u
for _ in $(seq 100); do cmp -s currency.dat "$srv/cgi-bin/DownLoad.cgi" && break; sleep 0.1; done
cmp -s currency.dat "$srv/cgi-bin/DownLoad.cgi" || e2e_fail "currency.dat does not hold the feed's reply"
sleep 0.5
e2e_screenshot e2e-ratesfeed-message
xdotool key Return
sleep 0.3
e2e_focus

e2e_convert_europe 100
e2e_screenshot e2e-ratesfeed
e2e_save_log "$E2E_WORK/feed"
grep -q '100.00 Euros(EUR) Converts to 10,000.00 Leke (ALL)' "$E2E_WORK/feed.tlg" ||
    e2e_fail "conversion not at the feed's rates: $(cat -A "$E2E_WORK/feed.tlg")"
grep -q 'GET /cgi-bin/DownLoad.cgi' "$E2E_TMP/http.log" || e2e_fail "the web server saw no request"
e2e_close
echo "e2e: rates feed ok, screenshots in $E2E_BIN/e2e-ratesfeed*.png"
