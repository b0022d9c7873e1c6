#!/usr/bin/env bash
# Settings that survive a restart of the real program: a store seeded by hand (Credit Card,
# Sell, commission on, decimal comma, three decimals, dates year first, a home country, 20
# slots, three tab captions), a start, a renamed tab and other commission bar choices,
# Ctrl+Q, the store file checked, and a second start that shows what was left.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
e2e_init "$1" "$2" "$3"
e2e_start_display
e2e_prepare_work

store="$XDG_CONFIG_HOME/vemox/registry.reg"
mkdir -p "$(dirname "$store")"
countries=(France Germany Japan Switzerland "Unt. States" Afghanistan Armenia Azerbaijan Bangladesh
           France Germany Japan Switzerland "Unt. States" Afghanistan Armenia Azerbaijan Bangladesh
           Japan France)
{
    printf 'REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\VEMOX\\G_r]\r\n'
    printf '"Cbs"=dword:00000002\r\n"BSs"=dword:00000002\r\n"Cms"=dword:00000001\r\n'
    printf '"Cc"=dword:00000001\r\n"Dp"=dword:00000003\r\n"Fr"=dword:00000002\r\n'
    printf '"h_c"="Unt. Kingdom"\r\n\r\n[HKEY_CURRENT_USER\\Software\\VEMOX\\Ct]\r\n'
    for i in "${!countries[@]}"; do printf '"%d"="%s"\r\n' "$i" "${countries[$i]}"; done
    printf '\r\n[HKEY_CURRENT_USER\\Software\\VEMOX\\Tb]\r\n"0"="Counter"\r\n"1"="Travel"\r\n"2"="Rare"\r\n'
} > "$store"
chmod 600 "$store"

# A value of the store file as it stands, e.g. value G_r Cbs.
value() {
    awk -v key="[HKEY_CURRENT_USER\\\\Software\\\\VEMOX\\\\$1]" -v name="\"$2\"" '
        { sub(/\r$/, "") }
        /^\[/ { inkey = ($0 == key); next }
        inkey && index($0, name "=") == 1 { print substr($0, length(name) + 2) }' "$store"
}
expect() { [ "$(value "$1" "$2")" = "$3" ] || e2e_fail "$1 $2 is $(value "$1" "$2"), not $3"; }
count() { awk -v key="[HKEY_CURRENT_USER\\\\Software\\\\VEMOX\\\\$1]" '
        { sub(/\r$/, "") } /^\[/ { inkey = ($0 == key); next } inkey && /^"/ { n++ } END { print n + 0 }' "$store"; }

# Where the commission bar's choices sit in the window, once the bar is shown.
CASH=(15 59) BUY=(309 59) COMMISSION=(459 59)
click() { xdotool mousemove --window "$E2E_WIN" "$1" "$2" click 1; sleep 0.3; }

# 1. The seeded settings, as the screenshot shows them: the home country, the decimal
# comma on the keypad, the three tab captions and twenty slots.
e2e_start_program
e2e_screenshot e2e-settings-start

# 2. Cash, Buy and no commission on the bar; the first tab renamed with Ctrl+F.
xdotool key --delay 150 alt+t s
sleep 0.5
e2e_focus
click "${CASH[@]}"
click "${BUY[@]}"
click "${COMMISSION[@]}"
xdotool key ctrl+f
sleep 1.0
xdotool key ctrl+a
xdotool type --delay 40 'Front'
xdotool key Return
sleep 0.5
e2e_screenshot e2e-settings-changed

# 3. Ctrl+Q stores them beside the values no window changed.
e2e_close
expect G_r Cbs dword:00000001
expect G_r BSs dword:00000001
expect G_r Cms dword:00000000
expect G_r Cc dword:00000001
expect G_r Dp dword:00000003
expect G_r Fr dword:00000002
expect G_r h_c '"Unt. Kingdom"'
expect Tb 0 '"Front"'
expect Tb 2 '"Rare"'
expect Tb 8 '"9"'
expect Ct 19 '"France"'
[ "$(count Ct)" = 20 ] || e2e_fail "Ct holds $(count Ct) values, not 20"
cp "$store" "$E2E_TMP/first.reg"

# 4. The second start finds everything as it was left: the decimal key types the comma
# and amounts show three decimals; closing again stores the very same settings.
e2e_start_program
e2e_screenshot e2e-settings-restart
xdotool type --delay 80 '1.5+1'
xdotool key --delay 80 Return
sleep 0.3
xdotool key ctrl+t
sleep 1.0
xdotool type --delay 20 "$E2E_WORK/again"
xdotool key Return
for _ in $(seq 50); do [ -f "$E2E_WORK/again.tlg" ] && break; sleep 0.1; done
[ -f "$E2E_WORK/again.tlg" ] || e2e_fail "the log was not saved"
expected=$(printf '1,5\r\n+\r\n1\r\n---- Equals: 2,500\r\n' | od -An -c)
[ "$expected" = "$(od -An -c < "$E2E_WORK/again.tlg")" ] || e2e_fail "log differs: $(cat -A "$E2E_WORK/again.tlg")"
e2e_close
cmp -s "$store" "$E2E_TMP/first.reg" || e2e_fail "the second close stored other settings: $(diff "$E2E_TMP/first.reg" "$store")"

# 5. A damaged store: a commission entry that is no number and a slot of the wrong type.
# The start tells both in one box and loads the rest; a close that changes nothing leaves
# the file as it was, not even written again.
sed -i 's/^"5"="Afghanistan"\r$/"5"=dword:00000007\r/' "$store"
{
    printf '\r\n[HKEY_CURRENT_USER\\Software\\VEMOX\\Cvx]\r\n'
    for i in $(seq 0 29); do if [ "$i" = 5 ]; then printf '"5"="4,5"\r\n'; else printf '"%d"="1"\r\n' "$i"; fi; done
} >> "$store"
cp "$store" "$E2E_TMP/damaged.reg"
inode=$(stat -c %i "$store")
"$E2E_EXE" >"$E2E_TMP/program.log" 2>&1 &
_e2e_prog=$!
box=$(timeout 20 xdotool search --sync --onlyvisible --name '^Vemox' | head -n1) || e2e_fail "no box told the damage"
sleep 1
e2e_screenshot e2e-settings-damaged
xdotool windowactivate --sync "$box" 2>/dev/null || xdotool windowfocus --sync "$box" 2>/dev/null || true
xdotool key Return
E2E_WIN=$(timeout 20 xdotool search --sync --onlyvisible --name '^Vemox$' | grep -vx "$box" | head -n1) ||
    e2e_fail "no main window after the box"
sleep 0.5
e2e_screenshot e2e-settings-damaged-window
e2e_close
cmp -s "$store" "$E2E_TMP/damaged.reg" || e2e_fail "the close changed a damaged store: $(diff "$E2E_TMP/damaged.reg" "$store")"
[ "$(stat -c %i "$store")" = "$inode" ] || e2e_fail "a close that changed nothing wrote the store again"
echo "e2e: ok, screenshots in $E2E_BIN"
