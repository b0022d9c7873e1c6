#!/usr/bin/env bash
# The print preview as a screen reader user meets it, over AT-SPI on a private session bus:
# the receipt preview is read and closed with Done; with no window focused by hand, the log
# preview opened next is found ("Page 1 of N"), and Next Page clicked twice, the pointer left
# resting on it, reads "Page 3 of N". Screenshot e2e-preview-atspi.png under build/.
set -euo pipefail
[ -n "${VEMOX_E2E_BUS:-}" ] || VEMOX_E2E_BUS=1 exec dbus-run-session -- "$0" "$@"
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
e2e_init "$1" "$2" "$3"
e2e_start_display
e2e_prepare_work
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
launcher=$!
coproc READER { /usr/bin/python3 -u "$here/atspi_reader.py"; }
trap 'kill "$READER_PID" "$launcher" 2>/dev/null || true; _e2e_cleanup' EXIT
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1
e2e_start_program

read_preview() {   # pattern [click]: waits until the preview shows it; clicks it when asked
    echo "Print Preview|$1|20" >&"${READER[1]}"
    read -r -t 60 x y name <&"${READER[0]}" && [ "$x" != missing ] ||
        e2e_fail "over AT-SPI, the preview shows no '$1'"
    [ -z "${2:-}" ] || xdotool mousemove --sync "$x" "$y" click 1
    sleep 0.5
}

for _ in $(seq 50); do xdotool type --delay 10 '1+2='; done   # a log of several pages
e2e_convert_europe 100
xdotool key ctrl+n
read_preview '^Page 1 of 1$'
read_preview '^Next Page$'
read_preview '^Done$' click
xdotool key ctrl+alt+h
read_preview '^Page 1 of [0-9]+$'
pages=${name##* of }
[ "$pages" -ge 3 ] || e2e_fail "the log preview has $pages pages, fewer than three"
read_preview '^Next Page$' click
xdotool click 1
read_preview "^Page 3 of $pages\$"
e2e_screenshot e2e-preview-atspi
read_preview '^Done$' click
e2e_close
echo "e2e: ok, screenshot $E2E_BIN/e2e-preview-atspi.png"
