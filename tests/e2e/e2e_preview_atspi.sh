#!/usr/bin/env bash
# The print preview as a screen reader user meets it, over AT-SPI in a private session bus:
# the receipt preview is read, closed with Done, and the log preview opened next is found
# and read too ("Page 1 of N"); Next Page clicked twice, with the pointer left resting on
# it, reads "Page 3 of N". Screenshot e2e-preview-atspi.png under build/.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
if [ -z "${VEMOX_E2E_BUS:-}" ]; then
    export VEMOX_E2E_BUS=1
    exec dbus-run-session -- "$0" "$@"
fi
source "$here/lib.sh"
e2e_init "$1" "$2" "$3"
e2e_start_display
e2e_prepare_work
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$E2E_TMP/atspi.log" 2>&1 &
launcher=$!
coproc READER { /usr/bin/python3 -u "$here/atspi_reader.py" 2>"$E2E_TMP/reader.log"; }
reader=$READER_PID
trap 'kill "$reader" "$launcher" 2>/dev/null || true; _e2e_cleanup' EXIT
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1
e2e_start_program

ask() {   # one request to the reader; its answer in $answer
    echo "$1" >&"${READER[1]}"
    read -r -t 60 answer <&"${READER[0]}" || e2e_fail "the AT-SPI reader gave no answer to '$1'"
}
expect() {   # a request that must be answered "ok ..."
    ask "$1"
    [[ $answer == ok* ]] || e2e_fail "over AT-SPI, $1: $answer"
}
click_named() {   # window title, object name: a click in its middle, the pointer left there
    ask "centre|$1|$2"
    [[ $answer =~ ^[0-9]+\ [0-9]+$ ]] || e2e_fail "over AT-SPI, no '$2' in '$1': $answer"
    xdotool mousemove --sync ${answer% *} ${answer#* } click 1
    sleep 0.5
}

# A log of more than three pages, and a conversion for the receipt.
for _ in $(seq 50); do xdotool type --delay 10 '1+2='; done
e2e_convert_europe 100

xdotool key ctrl+n
expect "wait|Print Preview|^Page 1 of 1$|20"
expect "wait|Print Preview|^Next Page$|5"
click_named "Print Preview" "Done"
expect "gone|Print Preview|10"

# No window is focused again by hand: the main window must have the keys back.
xdotool key ctrl+alt+h
expect "wait|Print Preview|^Page 1 of [0-9]+$|20"
pages=${answer##* of }
[ "$pages" -ge 3 ] || e2e_fail "the log preview has $pages pages, fewer than three"
click_named "Print Preview" "Next Page"
xdotool click 1
sleep 0.5
expect "wait|Print Preview|^Page 3 of $pages$|10"
e2e_screenshot e2e-preview-atspi

click_named "Print Preview" "Done"
expect "gone|Print Preview|10"
e2e_close
echo "e2e: ok, screenshot $E2E_BIN/e2e-preview-atspi.png"
