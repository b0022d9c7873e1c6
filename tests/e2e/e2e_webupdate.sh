#!/usr/bin/env bash
# The update as a shop runs it: the rates feed writes a reply from an ECB file; a private nginx
# serves it over HTTP and over HTTPS (from a test CA, among the system's CAs for the program); a
# private squid asks for Basic authentication. The proxy is set in the Firewall Settings
# dialog. U over HTTPS through squid, then 100 euros to leke at the ECB's rates. A wrong
# password, a stopped proxy, and nginx answering 404 and 503 each show their refusal in a box
# (read over AT-SPI) and leave currency.dat as it was. Last, U over plain HTTP.
set -euo pipefail
[ -n "${VEMOX_E2E_BUS:-}" ] || VEMOX_E2E_BUS=1 exec dbus-run-session -- "$0" "$@"
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
source "$here/webservers.sh"
e2e_init "$1" "$2" "$3"
feed="$(dirname "$E2E_EXE")/vemox-ratesfeed"
e2e_start_display
e2e_prepare_work
trap 'web_stop_all; _e2e_cleanup' EXIT
web_init "$E2E_TMP/web"
web_make_ca
if ! web_trust_check; then
    echo "e2e: skipped: no mount namespace here, so the program cannot be given the test CA" >&2
    exit 77
fi
web_trusting_command "$E2E_TMP/vemox" "$E2E_EXE"
E2E_EXE="$E2E_TMP/vemox"
root="$E2E_TMP/web/root"
mkdir -p "$root/vemox"
web_start_nginx "$root"
web_start_squid clerk 'counter-1 pass'
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
launcher=$!
coproc READER { /usr/bin/python3 -u "$here/atspi_reader.py"; }
trap 'kill "${READER_PID:-}" "$launcher" 2>/dev/null || true; web_stop_all; _e2e_cleanup' EXIT
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1

https="https://127.0.0.1:$WEB_HTTPS_PORT/vemox/rates.dat"
http="127.0.0.1:$WEB_HTTP_PORT/vemox/rates.dat"
served="$root/vemox/rates.dat"

# A reply with the euro at 1.25 dollars and leke per euro as given, naming FIRST as the
# server the program asks next.
reply() {   # leke first output
    printf '%s\n' '<?xml version="1.0" encoding="UTF-8"?>' \
        '<gesmes:Envelope xmlns:gesmes="http://www.gesmes.org/xml/2002-08-01" xmlns="http://www.ecb.int/vocabulary/2002-08-01/eurofxref">' \
        "<Cube><Cube time='2026-12-08'><Cube currency='USD' rate='1.2500'/><Cube currency='ALL' rate='$1'/></Cube></Cube>" \
        '</gesmes:Envelope>' >"$E2E_TMP/ecb.xml"
    "$feed" --ecb "$E2E_TMP/ecb.xml" --host "$2" --host "$http" --output "$3" 2>"$E2E_TMP/feed.log" ||
        e2e_fail "the feed refused the ECB file: $(cat "$E2E_TMP/feed.log")"
}

# The box in front tells PATTERN (a regular expression without "|") over AT-SPI; Return
# closes it.
expect_box() {   # pattern screenshot
    echo "Vemox|$1|15" >&"${READER[1]}"
    local x
    read -r -t 30 x _ <&"${READER[0]}" && [ "$x" != missing ] || e2e_fail "no box tells '$1'"
    e2e_screenshot "$2"
    # Without a window manager the box may not have the keys yet: it is given them.
    local box
    box=$(xdotool search --onlyvisible --name '^Vemox$' | grep -vx "$E2E_WIN" | head -n1)
    [ -n "$box" ] && xdotool windowfocus --sync "$box" 2>/dev/null
    xdotool key Return
    for _ in $(seq 30); do xdotool search --onlyvisible --name '^Vemox$' | grep -qvx "$E2E_WIN" || break; sleep 0.1; done
    xdotool search --onlyvisible --name '^Vemox$' | grep -qvx "$E2E_WIN" && e2e_fail "the box telling '$1' stays open"
    e2e_focus
}

# U; waits for currency.dat to hold the served reply; the reply's note is acknowledged.
update_ok() {
    xdotool key --delay 80 u
    for _ in $(seq 100); do cmp -s currency.dat "$served" && break; sleep 0.1; done
    cmp -s currency.dat "$served" || e2e_fail "currency.dat does not hold the served reply ($1)"
    expect_box 'not quote' "e2e-webupdate-$1"
}

# U refused: the box tells why, and currency.dat is the very file it was.
update_refused() {   # pattern name
    cp currency.dat "$E2E_TMP/before.dat"
    xdotool key --delay 80 u
    expect_box "$1" "e2e-webupdate-$2"
    cmp -s currency.dat "$E2E_TMP/before.dat" || e2e_fail "a refused update ($2) changed currency.dat"
}

# The Firewall Settings dialog: the check box toggled or kept, then the fields typed unless
# the address is empty; a screenshot NAME before Okay (F7).
firewall() {   # toggle|keep address user password port name
    xdotool key ctrl+j
    timeout 10 xdotool search --sync --onlyvisible --name '^Firewall Settings$' >/dev/null ||
        e2e_fail "no Firewall Settings dialog"
    sleep 0.5
    # The check box takes the key after a short animation; its fields are enabled then.
    if [ "$1" = toggle ]; then xdotool key alt+u; sleep 0.5; fi
    if [ -n "$2" ]; then
        xdotool key alt+s shift+Tab
        local field
        for field in "$2" "$3" "$4" "$5"; do
            xdotool key ctrl+a BackSpace
            xdotool type --delay 20 "$field"
            xdotool key Tab
        done
    fi
    e2e_screenshot "e2e-webupdate-firewall-$6"
    xdotool key F7
    for _ in $(seq 50); do xdotool search --onlyvisible --name '^Firewall Settings$' >/dev/null || break; sleep 0.1; done
    e2e_focus
}

convert() {   # amount expected log
    e2e_convert_europe "$1"
    e2e_save_log "$E2E_WORK/$3"
    grep -q "$1.00 Euros(EUR) Converts to $2 Leke (ALL)" "$E2E_WORK/$3.tlg" ||
        e2e_fail "conversion not at the served rates: $(cat -A "$E2E_WORK/$3.tlg")"
    e2e_focus
}

# The README shows the very configuration served here.
[[ "$(cat "$E2E_SRC/README.md")" == *"$(cat "$here/nginx.conf")"* ]] || e2e_fail "README.md does not show tests/e2e/nginx.conf as it is"
reply 100.00 "$https" "$served"
sed -i "0,/<KRTHOST>[^<]*</s##<KRTHOST>$https<#" currency.dat
grep -q "<KRTHOST>$https</KRTHOST>" currency.dat || e2e_fail "no HTTPS host in currency.dat"
e2e_start_program
store="$XDG_CONFIG_HOME/vemox/registry.reg"

# 1. The proxy and its credentials in the dialog; U over HTTPS through squid.
firewall toggle 127.0.0.1 clerk 'counter-1 pass' "$WEB_PROXY_PORT" on
grep -q '^"Pn"="clerk"' "$store" || e2e_fail "the dialog did not store the proxy's user"
update_ok https-proxy
grep -q "CONNECT 127.0.0.1:$WEB_HTTPS_PORT clerk" "$E2E_TMP/web/squid/access.log" ||
    e2e_fail "squid saw no authenticated tunnel: $(cat "$E2E_TMP/web/squid/access.log")"
convert 100 10,000.00 https-proxy

# 2. The next reply waits on the server; every refusal leaves the one in use.
reply 125.00 "$http" "$served"
firewall keep 127.0.0.1 clerk 'wrong pass' "$WEB_PROXY_PORT" wrong-password
update_refused "^Proxy 127\.0\.0\.1:$WEB_PROXY_PORT: .*[Aa]uthentication" wrong-password
web_stop_squid
update_refused "^Proxy 127\.0\.0\.1:$WEB_PROXY_PORT.* refused" proxy-stopped
firewall toggle "" "" "" "" off
mv "$served" "$E2E_TMP/held.dat"
update_refused "server replied: Not Found" not-found
mv "$E2E_TMP/held.dat" "$served"
touch "$root/vemox/maintenance"
update_refused "server replied: Service .*Unavailable" unavailable
rm "$root/vemox/maintenance"

# 3. Straight to nginx over HTTPS; that reply names the plain HTTP address, used next.
update_ok https
reply 80.00 "$http" "$served"
update_ok http
grep -q ' http "GET /vemox/rates.dat[^"]*" 200' "$E2E_TMP/web/nginx/logs/access.log" ||
    e2e_fail "nginx served nothing over plain HTTP"
convert 100 8,000.00 http
e2e_close
echo "e2e: web update ok, screenshots in $E2E_BIN/e2e-webupdate-*.png"
