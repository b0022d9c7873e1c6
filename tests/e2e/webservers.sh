# shellcheck shell=bash
# A shop's web server and proxy, private to one test run: a test CA and a server certificate
# for 127.0.0.1 and localhost, an nginx serving a folder over HTTP and HTTPS, and a squid that
# asks for Basic authentication. Everything lives under one folder; each server listens on
# 127.0.0.1 alone and is stopped by its process id. Source it, then call the steps:
#
#   web_init DIR                   # the servers' folder (made here); WEB_DIR
#   web_make_ca                    # $WEB_DIR/tls/ca.pem, server.pem, server.key
#   web_trust_check                # false when no command can be given the test CA
#   web_trusting_command FILE PROG # FILE runs PROG trusting the test CA beside the system's
#   web_start_nginx ROOT           # serves ROOT; WEB_HTTP_PORT, WEB_HTTPS_PORT
#   web_start_squid USER PASSWORD  # WEB_PROXY_PORT; a request needs USER and PASSWORD
#   web_stop_nginx / web_stop_squid
#   web_stop_all                   # both, for an exit trap
#
# The program trusts the certificates of the system's store, /etc/ssl/certs, as Qt reads it
# (Qt 6.4 does not read OpenSSL's SSL_CERT_FILE or SSL_CERT_DIR). web_trusting_command gives
# the program a private view of that folder, in a mount namespace of its own, that holds the
# system's certificates and the test CA; the system itself is not changed.
#
# Run as root, nginx's workers and squid drop to "nobody"; the folders they use are made
# theirs. Run as an ordinary user, both stay that user.

WEB_DIR="" WEB_HTTP_PORT="" WEB_HTTPS_PORT="" WEB_PROXY_PORT=""
_web_nginx="" _web_squid="" _web_user="" _web_group=""

web_fail() {
    echo "webservers: $*" >&2
    exit 1
}

web_init() {
    WEB_DIR=$1
    mkdir -p "$WEB_DIR"
    if [ "$(id -u)" = 0 ]; then
        _web_user=nobody _web_group=$(id -gn nobody)
        # The servers' own user must be able to pass through the folders above theirs, up to
        # the temporary folder (mktemp's private ones included); nothing outside it changes.
        local d=$WEB_DIR top=${TMPDIR:-/tmp}
        case $d in "$top"/*) ;; *) top=$(dirname "$d") ;; esac
        while [ "$d" != "$top" ] && [ "$d" != / ]; do chmod o+x "$d"; d=$(dirname "$d"); done
    fi
}

# A port on 127.0.0.1 that nothing listens on now, from LOW to HIGH. The server started on
# it may still lose it to another program: the callers try again then.
web_free_port() {
    local port
    for _ in $(seq 100); do
        port=$(($1 + RANDOM % ($2 - $1)))
        (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null || { echo "$port"; return 0; }
    done
    web_fail "no free port from $1 to $2"
}

web_make_ca() {
    local tls="$WEB_DIR/tls"
    mkdir -p "$tls"
    (
        cd "$tls" || exit 1
        openssl req -x509 -newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes -days 2 -subj "/CN=Vemox test CA" \
            -addext basicConstraints=critical,CA:TRUE -addext keyUsage=critical,keyCertSign,cRLSign \
            -keyout ca.key -out ca.pem &&
            openssl req -newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes -subj "/CN=localhost" -keyout server.key -out server.csr &&
            printf '%s\n' 'subjectAltName=IP:127.0.0.1,DNS:localhost' 'extendedKeyUsage=serverAuth' \
                'basicConstraints=CA:FALSE' >server.ext &&
            openssl x509 -req -in server.csr -CA ca.pem -CAkey ca.key -CAcreateserial -days 2 \
                -extfile server.ext -out server.pem
    ) >"$WEB_DIR/tls.log" 2>&1 || web_fail "the test certificates were not made: $(cat "$WEB_DIR/tls.log")"
    mkdir -p "$tls/certs"
    cp -a /etc/ssl/certs/. "$tls/certs/" && cp "$tls/ca.pem" "$tls/certs/vemox-test-ca.pem" &&
        openssl rehash "$tls/certs" >>"$WEB_DIR/tls.log" 2>&1 || web_fail "the test CA was not added to a store"
}

# As root, a mount namespace. As an ordinary user, one inside a user namespace whose root
# makes the mount; the program then runs in a nested one as the user's own id again, which
# the session bus checks. Either may be refused inside some containers.
_web_unshare=() _web_user_again=""
web_trust_check() {
    if [ "$(id -u)" = 0 ]; then
        _web_unshare=(unshare -m)
    else
        _web_unshare=(unshare -r -m)
        _web_user_again="unshare --map-user=$(id -u) --map-group=$(id -g) "
    fi
    "${_web_unshare[@]}" true 2>/dev/null
}

# Writes FILE: a command that runs PROGRAM, with the arguments it is given, trusting the
# test CA. It execs, so that its process id is the program's.
web_trusting_command() {   # file program
    [ ${#_web_unshare[@]} -gt 0 ] || web_trust_check || web_fail "no mount namespace for the test CA"
    printf '#!/bin/sh\nexec %s sh -c %q %q %q "$@"\n' "${_web_unshare[*]}" \
        "mount --bind \"\$0\" /etc/ssl/certs && exec $_web_user_again\"\$@\"" "$WEB_DIR/tls/certs" "$2" >"$1"
    chmod +x "$1"
}

# Waits for a line in a log or for the process to end; false unless the line came.
_web_wait_for() {
    local pid=$1 log=$2 pattern=$3
    for _ in $(seq 100); do
        grep -q "$pattern" "$log" 2>/dev/null && return 0
        kill -0 "$pid" 2>/dev/null || return 1
        sleep 0.1
    done
    return 1
}

_web_write_nginx_conf() {
    local n=$1 root=$2
    {
        [ -n "$_web_user" ] && echo "user $_web_user $_web_group;"
        sed -e "s#@ROOT@#$root#g" -e "s#@HTTP_PORT@#$WEB_HTTP_PORT#g" -e "s#@HTTPS_PORT@#$WEB_HTTPS_PORT#g" \
            -e "s#@TLS@#$WEB_DIR/tls#g" "$(dirname "${BASH_SOURCE[0]}")/nginx.conf"
    } >"$n/nginx.conf"
}

web_start_nginx() {
    local root=$1 n="$WEB_DIR/nginx"
    mkdir -p "$n/logs" "$n/temp"
    chmod -R o+rX "$root" "$WEB_DIR/tls/server.pem"
    for _ in 1 2 3; do
        WEB_HTTP_PORT=$(web_free_port 20000 40000) WEB_HTTPS_PORT=$(web_free_port 40000 60000)
        _web_write_nginx_conf "$n" "$root"
        : >"$n/logs/error.log"
        nginx -p "$n" -c "$n/nginx.conf" -e "$n/logs/error.log" -g 'daemon off;' >"$n/logs/stdout.log" 2>&1 &
        _web_nginx=$!
        # The master writes its pid file once it listens on both ports.
        for _ in $(seq 50); do [ -s "$n/nginx.pid" ] && break; kill -0 "$_web_nginx" 2>/dev/null || break; sleep 0.1; done
        [ -s "$n/nginx.pid" ] && return 0
        wait "$_web_nginx" 2>/dev/null || true
        _web_nginx=""
        grep -qs "Address already in use" "$n/logs/error.log" || break
    done
    web_fail "nginx did not start: $(cat "$n/logs/error.log" "$n/logs/stdout.log")"
}

web_start_squid() {
    local user=$1 password=$2 s="$WEB_DIR/squid"
    mkdir -p "$s"
    printf '%s:%s\n' "$user" "$(openssl passwd -apr1 "$password")" >"$s/passwd"
    [ -n "$_web_user" ] && chown -R "$_web_user:$_web_group" "$s"
    for _ in 1 2 3; do
        WEB_PROXY_PORT=$(web_free_port 8000 10000)
        {
            [ -n "$_web_user" ] && echo "cache_effective_user $_web_user" && echo "cache_effective_group $_web_group"
            sed -e "s#@DIR@#$s#g" -e "s#@PORT@#$WEB_PROXY_PORT#g" "$(dirname "${BASH_SOURCE[0]}")/squid.conf"
        } >"$s/squid.conf"
        rm -f "$s/cache.log"
        squid -N -f "$s/squid.conf" >"$s/stdout.log" 2>&1 &
        _web_squid=$!
        _web_wait_for "$_web_squid" "$s/cache.log" "Accepting HTTP Socket connections" && return 0
        kill "$_web_squid" 2>/dev/null || true
        wait "$_web_squid" 2>/dev/null || true
        _web_squid=""
        grep -qs "Address already in use" "$s/cache.log" || break
    done
    web_fail "squid did not start: $(cat "$s/cache.log" "$s/stdout.log" 2>/dev/null)"
}

# Stops a server by its id and waits until it is gone, so that its port is closed.
_web_stop() {
    [ -n "$1" ] || return 0
    kill "$1" 2>/dev/null || true
    for _ in $(seq 100); do kill -0 "$1" 2>/dev/null || break; sleep 0.05; done
    kill -9 "$1" 2>/dev/null || true
    wait "$1" 2>/dev/null || true
}

web_stop_nginx() { _web_stop "$_web_nginx"; _web_nginx=""; }
web_stop_squid() { _web_stop "$_web_squid"; _web_squid=""; }
web_stop_all() { web_stop_squid; web_stop_nginx; }
