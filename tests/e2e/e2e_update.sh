#!/usr/bin/env bash
# The update from the web, end to end: the first host of "currency.dat" points at a loopback
# HTTP server; the real program is started and U pressed; "currency.dat" must then hold the
# server's reply and the store's last update (Vl) must have moved. The reply names as first
# host a server that closes every connection unanswered: U then sends exactly one request and
# ends without a word; with that server gone, U shows the refusal in a box, and the third
# status panel behind it is empty.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
e2e_init "$1" "$2" "$3"
e2e_start_display
e2e_prepare_work

e2e_start_http_server
srv=$E2E_SRV host=$E2E_HOST

# The server that closes every connection unanswered, counting the requests it read.
cat >"$E2E_TMP/closer.py" <<'PY'
import socket, sys
s = socket.socket(); s.bind(("127.0.0.1", 0)); s.listen(5)
print(s.getsockname()[1], flush=True)
n = 0
while True:
    c, _ = s.accept(); c.settimeout(2)
    try:
        if c.recv(4096).startswith(b"GET"): n += 1
    except OSError: pass
    c.close()
    with open(sys.argv[1], "w") as f: f.write(str(n))
PY
python3 -u "$E2E_TMP/closer.py" "$E2E_TMP/closer.count" >"$E2E_TMP/closer.log" 2>&1 &
closer_pid=$!
trap 'kill $closer_pid 2>/dev/null || true; _e2e_cleanup' EXIT
closer=""
for _ in $(seq 50); do closer=$(head -n1 "$E2E_TMP/closer.log" 2>/dev/null || true); [ -n "$closer" ] && break; sleep 0.1; done
[ -n "$closer" ] || e2e_fail "the closing server did not start"

# The reply: the shipped rates of another date, a pound of 0.80000, naming the same server.
sed -e "s/www\.vemox\.example/$host/g" -e 's/<KRTDATE>[^<]*</<KRTDATE>9 December 2026 (e2e)</' \
    -e 's#<KRTISO>GBP</KRTISO><KRTDATA>[^<]*<#<KRTISO>GBP</KRTISO><KRTDATA>0.80000<#' \
    "$E2E_SRC/share/currency.dat" >"$srv/cgi-bin/DownLoad.cgi"
sed -i "0,/<KRTHOST>$host\/cgi-bin\/DownLoad.cgi</s//<KRTHOST>127.0.0.1:$closer\/cgi-bin\/DownLoad.cgi</" "$srv/cgi-bin/DownLoad.cgi"
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

# One press, one request, however the server ends the connection; nothing shown.
xdotool key --delay 80 u
for _ in $(seq 50); do [ -s "$E2E_TMP/closer.count" ] && break; sleep 0.1; done
sleep 1
[ "$(cat "$E2E_TMP/closer.count" 2>/dev/null)" = 1 ] || e2e_fail "U sent $(cat "$E2E_TMP/closer.count" 2>/dev/null) requests, not 1"
xdotool search --onlyvisible --name '^Vemox$' | wc -l | grep -qx 1 || e2e_fail "a box came up after an unanswered request"
cmp -s currency.dat "$srv/cgi-bin/DownLoad.cgi" || e2e_fail "an unanswered request changed currency.dat"

# That server gone: the refusal is shown, with no progress text behind the box.
kill $closer_pid; wait $closer_pid 2>/dev/null || true
xdotool key --delay 80 u
for _ in $(seq 50); do [ "$(xdotool search --onlyvisible --name '^Vemox$' | wc -l)" -ge 2 ] && break; sleep 0.1; done
[ "$(xdotool search --onlyvisible --name '^Vemox$' | wc -l)" -ge 2 ] || e2e_fail "no error box for a refused connection"
sleep 0.3
e2e_screenshot e2e-update
xdotool key --delay 80 Return
sleep 0.3
cmp -s currency.dat "$srv/cgi-bin/DownLoad.cgi" || e2e_fail "a refused connection changed currency.dat"
e2e_close
echo "e2e: update ok, screenshot in $E2E_BIN/e2e-update.png"
