#!/usr/bin/env bash
# The update from the web, end to end: the first host of "currency.dat" points at a loopback
# HTTP server; the real program is started and U pressed; "currency.dat" must then hold the
# server's reply and the store's last update (Vl) must have moved.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
e2e_init "$1" "$2" "$3"
e2e_start_display
e2e_prepare_work

# The server: a folder served by python's http.server on a port of its choosing.
srv="$E2E_TMP/srv"
mkdir -p "$srv/cgi-bin"
python3 -u -m http.server --bind 127.0.0.1 --directory "$srv" 0 >"$E2E_TMP/http.log" 2>&1 &
http_pid=$!
trap 'kill $http_pid 2>/dev/null || true; _e2e_cleanup' EXIT
port=""
for _ in $(seq 50); do
    port=$(sed -n 's/.* port \([0-9][0-9]*\).*/\1/p' "$E2E_TMP/http.log" | head -n1)
    [ -n "$port" ] && break
    sleep 0.1
done
[ -n "$port" ] || e2e_fail "the loopback HTTP server did not start"
host="127.0.0.1:$port"

# The reply: the shipped rates of another date, a pound of 0.80000, naming the same server.
sed -e "s/www\.vemox\.example/$host/g" -e 's/<KRTDATE>[^<]*</<KRTDATE>9 December 2026 (e2e)</' \
    -e 's#<KRTISO>GBP</KRTISO><KRTDATA>[^<]*<#<KRTISO>GBP</KRTISO><KRTDATA>0.80000<#' \
    "$E2E_SRC/share/currency.dat" >"$srv/cgi-bin/DownLoad.cgi"
# The data file the program starts with asks that server first.
sed -i "0,/www\.vemox\.example/s//$host/" currency.dat
grep -q "<KRTHOST>$host/cgi-bin/DownLoad.cgi</KRTHOST>" currency.dat || e2e_fail "no loopback host in currency.dat"
cmp -s currency.dat "$srv/cgi-bin/DownLoad.cgi" && e2e_fail "the reply must differ from the start data"

store="$XDG_CONFIG_HOME/vemox/registry.reg"
e2e_start_program
vl_before=$(grep -i '^"Vl"=' "$store" 2>/dev/null || true)

xdotool key --delay 80 u
for _ in $(seq 100); do
    cmp -s currency.dat "$srv/cgi-bin/DownLoad.cgi" && break
    sleep 0.1
done
cmp -s currency.dat "$srv/cgi-bin/DownLoad.cgi" || e2e_fail "currency.dat does not hold the server's reply"
vl_after=""
for _ in $(seq 50); do
    vl_after=$(grep -i '^"Vl"=' "$store" 2>/dev/null || true)
    [ -n "$vl_after" ] && [ "$vl_after" != "$vl_before" ] && break
    sleep 0.1
done
[ -n "$vl_after" ] && [ "$vl_after" != "$vl_before" ] || e2e_fail "the last update (Vl) did not move: '$vl_after'"
grep -q 'GET /cgi-bin/DownLoad.cgi' "$E2E_TMP/http.log" || e2e_fail "the server saw no request"
sleep 0.3
e2e_screenshot e2e-update
e2e_close
echo "e2e: update ok, screenshot in $E2E_BIN/e2e-update.png"
