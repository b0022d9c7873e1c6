# Shared steps of the end-to-end scripts: the real program under a display of its own, in a
# temporary store and working folder. Source it, then call the steps:
#
#   source "$(dirname "$0")/lib.sh"
#   e2e_init "$exe" "$src" "$bin"     # arguments every e2e script is given by CMake
#   e2e_start_display                  # Xvfb; DISPLAY is exported
#   e2e_prepare_work                   # store, data and work folders; cd into the work folder
#   e2e_start_program                  # starts the program; E2E_WIN is its window
#   e2e_focus                          # focuses the window again
#   e2e_screenshot NAME                # $bin/NAME.png
#   e2e_convert_europe AMOUNT          # Europe on the first tab; AMOUNT of Aland Islands (EUR) to Albania (ALL)
#   e2e_save_log FILE                  # Ctrl+T into FILE.tlg; waits for it
#   e2e_close                          # Ctrl+Q; fails unless the program ends with code 0
#
# E2E_TMP is the temporary root, E2E_WORK the working folder; e2e_fail says what went wrong,
# with the program's output, and ends the script. Everything started is stopped on exit.

E2E_EXE="" E2E_SRC="" E2E_BIN="" E2E_TMP="" E2E_WORK="" E2E_WIN=""
_e2e_xvfb="" _e2e_prog="" _e2e_http=""

_e2e_cleanup() {
    [ -n "$_e2e_prog" ] && kill "$_e2e_prog" 2>/dev/null || true
    [ -n "$_e2e_http" ] && kill "$_e2e_http" 2>/dev/null || true
    [ -n "$_e2e_xvfb" ] && kill "$_e2e_xvfb" 2>/dev/null || true
    [ -n "$E2E_TMP" ] && rm -rf "$E2E_TMP"
}

e2e_fail() {
    echo "e2e: $*" >&2
    # What the screen showed when the run went wrong, for the person who reads the failure.
    [ -n "${DISPLAY:-}" ] && [ -n "${E2E_BIN:-}" ] && import -window root "$E2E_BIN/e2e-failed.png" 2>/dev/null
    [ -f "$E2E_TMP/program.log" ] && cat "$E2E_TMP/program.log" >&2
    exit 1
}

e2e_init() {
    E2E_EXE=$1 E2E_SRC=$2 E2E_BIN=$3
    E2E_TMP=$(mktemp -d)
    E2E_WORK="$E2E_TMP/work"
    trap _e2e_cleanup EXIT
}

e2e_start_display() {
    exec 3<> "$E2E_TMP/displayfd" || true
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >"$E2E_TMP/xvfb.log" 2>&1 &
    _e2e_xvfb=$!
    local num=""
    for _ in $(seq 50); do
        num=$(head -n1 "$E2E_TMP/displayfd" 2>/dev/null || true)
        [ -n "$num" ] && break
        sleep 0.1
    done
    [ -n "$num" ] || e2e_fail "Xvfb did not start"
    export DISPLAY=":$num"
    unset QT_QPA_PLATFORM
}

# The data files come from the sources and the build, as ./run installs them.
e2e_prepare_work() {
    export XDG_CONFIG_HOME="$E2E_TMP/config" XDG_DATA_HOME="$E2E_TMP/data" XDG_RUNTIME_DIR="$E2E_TMP/runtime"
    mkdir -p "$XDG_RUNTIME_DIR" "$E2E_WORK/dll" "$E2E_WORK/help" && chmod 700 "$XDG_RUNTIME_DIR"
    cp "$E2E_SRC"/share/help/*.html "$E2E_WORK/help/"
    if [ -f "$E2E_SRC/share/currency.dat" ]; then cp "$E2E_SRC/share/currency.dat" "$E2E_WORK/"; fi
    if [ -f "$E2E_BIN/dll/ZYM_VEMOX.dll" ]; then cp "$E2E_BIN/dll/ZYM_VEMOX.dll" "$E2E_WORK/dll/"; fi
    cd "$E2E_WORK"
}

# The store the program starts with: one key under Software\VEMOX and its value lines.
# A folder served by python's http.server on a port of its choosing, stopped on exit: sets
# E2E_SRV (the folder, with its cgi-bin) and E2E_HOST ("127.0.0.1:port").
e2e_start_http_server() {
    E2E_SRV="$E2E_TMP/srv" E2E_HOST=""
    mkdir -p "$E2E_SRV/cgi-bin"
    python3 -u -m http.server --bind 127.0.0.1 --directory "$E2E_SRV" 0 >"$E2E_TMP/http.log" 2>&1 &
    _e2e_http=$!
    for _ in $(seq 50); do
        E2E_HOST=$(sed -n 's/.* port \([0-9][0-9]*\).*/127.0.0.1:\1/p' "$E2E_TMP/http.log" | head -n1)
        [ -n "$E2E_HOST" ] && return 0
        sleep 0.1
    done
    e2e_fail "the loopback web server did not start"
}

e2e_seed_store() {
    local key=$1
    shift
    mkdir -p "$XDG_CONFIG_HOME/vemox"
    printf '%s\r\n' 'REGEDIT4' '' "[HKEY_CURRENT_USER\\Software\\VEMOX\\$key]" "$@" \
        >"$XDG_CONFIG_HOME/vemox/registry.reg"
}

e2e_start_program() {
    "$E2E_EXE" >"$E2E_TMP/program.log" 2>&1 &
    _e2e_prog=$!
    E2E_WIN=$(timeout 20 xdotool search --sync --onlyvisible --name '^Vemox$' | head -n1) ||
        e2e_fail "no window titled Vemox"
    e2e_focus
    sleep 0.5
}

e2e_focus() { xdotool windowfocus --sync "$E2E_WIN" 2>/dev/null || true; }

e2e_screenshot() { import -window root "$E2E_BIN/$1.png" || e2e_fail "screenshot $1 failed"; }

e2e_click() {   # a point of the window, from its top left corner
    e2e_click_in "$E2E_WIN" "$1" "$2"
}

e2e_click_in() {   # window x y: a point of that window
    eval "$(xdotool getwindowgeometry --shell "$1")"
    xdotool mousemove --sync $((X + $2)) $((Y + $3)) click 1
    sleep 0.3
}

# A drag with the left button held, from x1 y1 to x2 y2 on the screen, in steps a person's
# hand makes, so that the drag starts and the target sees the pointer arrive.
e2e_drag() {
    local i
    xdotool mousemove "$1" "$2" mousedown 1
    for i in $(seq 1 20); do
        xdotool mousemove $(($1 + ($3 - $1) * i / 20)) $(($2 + ($4 - $2) * i / 20))
        sleep 0.03
    done
    sleep 0.3
    xdotool mousemove $(($3 + 1)) "$4"
    sleep 0.3
    xdotool mouseup 1
    sleep 0.5
}

# Europe's countries on the first tab; Clear and the first button (Aland Islands, EUR) make
# the home currency; the amount and the second button (Albania, ALL) convert.
e2e_convert_europe() {
    xdotool key --delay 150 alt+o l e
    sleep 0.5
    e2e_focus
    xdotool key c
    e2e_click 299 91
    xdotool type --delay 80 "$1"
    e2e_click 299 114
}

e2e_save_log() {
    xdotool key ctrl+t
    sleep 1.0
    xdotool type --delay 20 "$1"
    xdotool key Return
    for _ in $(seq 50); do [ -f "$1.tlg" ] && break; sleep 0.1; done
    [ -f "$1.tlg" ] || e2e_fail "the log was not saved"
}

e2e_close() {
    e2e_focus
    xdotool key ctrl+q
    for _ in $(seq 100); do kill -0 "$_e2e_prog" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$_e2e_prog" 2>/dev/null && e2e_fail "the program did not end after Ctrl+Q"
    local rc
    set +e
    wait "$_e2e_prog"
    rc=$?
    set -e
    _e2e_prog=""
    [ "$rc" = 0 ] || e2e_fail "exit code $rc"
}
