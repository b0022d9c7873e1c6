#!/usr/bin/env bash
# The update through a shop's servers: a private nginx serving the rates feed's reply over
# HTTPS (a test CA among the system's certificates) and a private squid asking for Basic
# authentication in front, as the end-to-end test starts them. Prints the time from the U key
# to the table in use, and the transfer and the load apart.
# Usage: bench/webupdate/bench_webupdate.sh [build dir]
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
bin=$(cd "${1:-$top/build}" && pwd)
source "$top/tests/e2e/webservers.sh"
tmp=$(mktemp -d)
trap 'web_stop_all; rm -rf "$tmp"' EXIT
web_init "$tmp/web"
web_make_ca
web_trust_check || { echo "No mount namespace here: the test CA cannot be given to the benchmark"; exit 1; }
mkdir -p "$tmp/web/root/vemox"
web_start_nginx "$tmp/web/root"
web_start_squid clerk 'counter-1 pass'

# The euro at 1.25 dollars and 100 leke: 80 leke to the dollar. The reply names itself first.
host="https://127.0.0.1:$WEB_HTTPS_PORT/vemox/rates.dat"
printf '%s\n' '<?xml version="1.0" encoding="UTF-8"?>' \
    '<gesmes:Envelope xmlns:gesmes="http://www.gesmes.org/xml/2002-08-01" xmlns="http://www.ecb.int/vocabulary/2002-08-01/eurofxref">' \
    "<Cube><Cube time='2026-12-08'><Cube currency='USD' rate='1.2500'/><Cube currency='ALL' rate='100.00'/></Cube></Cube>" \
    '</gesmes:Envelope>' >"$tmp/ecb.xml"
"$bin/src/vemox-ratesfeed" --ecb "$tmp/ecb.xml" --host "$host" --output "$tmp/web/root/vemox/rates.dat" 2>/dev/null
chmod -R o+rX "$tmp/web/root"

web_trusting_command "$tmp/bench" "$bin/bench/webupdate/bench_webupdate"
VEMOX_BENCH_HOST=$host VEMOX_BENCH_PROXY="127.0.0.1:$WEB_PROXY_PORT" VEMOX_BENCH_USER=clerk \
    VEMOX_BENCH_PASSWORD='counter-1 pass' VEMOX_BENCH_COUNTRY=Albania VEMOX_BENCH_RATE=80 "$tmp/bench"
echo "  squid: $(grep -c 'TCP_TUNNEL/200' "$tmp/web/squid/access.log") tunnels, nginx: $(grep -c ' https "GET /vemox/rates.dat' "$tmp/web/nginx/logs/access.log") replies over HTTPS"
