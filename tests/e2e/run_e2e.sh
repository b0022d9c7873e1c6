#!/usr/bin/env bash
# Starts the built program under Xvfb in a temporary store and working folder, types a
# calculation with real key events, saves the log, takes a screenshot under build/ and
# closes the program with Ctrl+Q, which must end it with exit code 0.
set -euo pipefail
exe=$1 src=$2 bin=$3
tmp=$(mktemp -d)
xvfb_pid=""
prog_pid=""
cleanup() {
    [ -n "$prog_pid" ] && kill "$prog_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$tmp"
}
trap cleanup EXIT
fail() { echo "e2e: $*" >&2; [ -f "$tmp/program.log" ] && cat "$tmp/program.log" >&2; exit 1; }

# A display of our own.
exec 3<> "$tmp/displayfd" || true
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >"$tmp/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 50); do
    num=$(head -n1 "$tmp/displayfd" 2>/dev/null || true)
    [ -n "$num" ] && break
    sleep 0.1
done
[ -n "${num:-}" ] || fail "Xvfb did not start"
export DISPLAY=":$num"
unset QT_QPA_PLATFORM

export XDG_CONFIG_HOME="$tmp/config" XDG_DATA_HOME="$tmp/data" XDG_RUNTIME_DIR="$tmp/runtime"
mkdir -p "$XDG_RUNTIME_DIR" "$tmp/work/dll" "$tmp/work/help" && chmod 700 "$XDG_RUNTIME_DIR"
cp "$src"/share/help/*.html "$tmp/work/help/"
[ -f "$src/share/currency.dat" ] && cp "$src/share/currency.dat" "$tmp/work/"
[ -f "$bin/dll/ZYM_VEMOX.dll" ] && cp "$bin/dll/ZYM_VEMOX.dll" "$tmp/work/dll/"

cd "$tmp/work"
"$exe" >"$tmp/program.log" 2>&1 &
prog_pid=$!
win=$(timeout 20 xdotool search --sync --onlyvisible --name '^Vemox$' | head -n1) || fail "no window titled Vemox"
xdotool windowfocus --sync "$win" 2>/dev/null || true
sleep 0.5

# 5 + 3 Enter, then save the log with Ctrl+T into the working folder.
xdotool type --delay 80 '5+3'
xdotool key --delay 80 Return
sleep 0.3
import -window root "$bin/e2e-calculation.png" || fail "screenshot failed"
if [ "${VEMOX_E2E_SAVE_LOG:-1}" = 1 ]; then
    xdotool key ctrl+t
    sleep 1.0
    xdotool type --delay 20 "$tmp/work/session"
    xdotool key Return
    for _ in $(seq 50); do [ -f "$tmp/work/session.tlg" ] && break; sleep 0.1; done
    [ -f "$tmp/work/session.tlg" ] || fail "the log was not saved"
    expected=$(printf '5\r\n+\r\n3\r\n---- Equals: 8.00\r\n' | od -An -c)
    actual=$(od -An -c < "$tmp/work/session.tlg")
    [ "$expected" = "$actual" ] || fail "saved log differs: $actual"
    xdotool windowfocus --sync "$win" 2>/dev/null || true
fi

import -window root "$bin/e2e-screenshot.png" || fail "screenshot failed"
xdotool key ctrl+q
for _ in $(seq 100); do kill -0 "$prog_pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$prog_pid" 2>/dev/null && fail "the program did not end after Ctrl+Q"
set +e
wait "$prog_pid"
rc=$?
set -e
prog_pid=""
[ "$rc" = 0 ] || fail "exit code $rc"
echo "e2e: ok, screenshots in $bin"
