#!/usr/bin/env bash
# Start-up: time from exec to the main window mapped, for Vemox and for a minimal Qt main
# window (bare, and with one line of text), alternating in the same run under one Xvfb;
# also the resident memory of Vemox once its window is up. Usage: bench/startup/bench_startup.sh [build dir] [runs]
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
bin=$(cd "${1:-$top/build}" && pwd)
runs=${2:-15}
tmp=$(mktemp -d)
trap 'kill $xvfb 2>/dev/null; rm -rf "$tmp"' EXIT
exec 3<> "$tmp/displayfd"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 & xvfb=$!
for _ in $(seq 50); do num=$(head -n1 "$tmp/displayfd" 2>/dev/null || true); [ -n "$num" ] && break; sleep 0.1; done
export DISPLAY=:$num XDG_CONFIG_HOME=$tmp/cfg XDG_RUNTIME_DIR=$tmp/rt
mkdir -p "$tmp/rt" "$tmp/work/dll" "$tmp/work/help" && chmod 700 "$tmp/rt"
cp "$top"/share/help/*.html "$tmp/work/help/"
[ -f "$top/share/currency.dat" ] && cp "$top/share/currency.dat" "$tmp/work/"
[ -f "$bin/dll/ZYM_VEMOX.dll" ] && cp "$bin/dll/ZYM_VEMOX.dll" "$tmp/work/dll/"
cd "$tmp/work"

# Milliseconds from exec until the program maps its first window. One listener on the
# root window (xev) reports the map, so nothing polls the server while the program starts.
us() { local t=${EPOCHREALTIME/./}; echo "${t#0}"; }
measure() {
    local exe=$1 title=$2 t0 t1 pid xevpid line
    rm -f "$tmp/ev"; mkfifo "$tmp/ev"
    stdbuf -oL xev -root -event substructure >"$tmp/ev" 2>/dev/null & xevpid=$!
    exec 4<"$tmp/ev"
    sleep 0.2   # xev selects its events before the program starts
    t0=$(us)
    "$exe" >/dev/null 2>"$tmp/stderr" & pid=$!
    t1=""
    while IFS= read -r -t 10 line <&4; do
        case $line in MapNotify*) t1=$(us); break ;; esac
    done
    exec 4<&-
    kill $xevpid 2>/dev/null || true; wait $xevpid 2>/dev/null || true
    if [ -z "$t1" ] || ! kill -0 $pid 2>/dev/null; then
        # A start whose map was not seen is stopped, so the run goes on without it.
        kill $pid 2>/dev/null || true
        wait $pid 2>/dev/null; echo "$title: no window seen (exit $?): $(head -c 300 "$tmp/stderr")" >&2
        return 1
    fi
    sleep 0.05
    if [ "$title" = Vemox ]; then awk '/VmRSS/{print $2}' /proc/$pid/status >> "$tmp/rss"; fi
    kill $pid 2>/dev/null || true; wait $pid 2>/dev/null || true
    echo $(( (t1 - t0) / 1000 ))
}
v=(); m=(); t=(); maxrss=0
failed=0
for i in $(seq "$runs"); do
    if x=$(measure "$bin/bench/startup/bench_minimal_window" Minimal); then m+=("$x"); else failed=$((failed + 1)); fi
    if x=$(measure "$bin/src/vemox" Vemox); then v+=("$x"); else failed=$((failed + 1)); fi
    if x=$(measure "$bin/bench/startup/bench_minimal_text_window" Minimal); then t+=("$x"); else failed=$((failed + 1)); fi
done
[ "$failed" = 0 ] || echo "$failed of $((3 * runs)) starts ended without a window and are left out"
[ ${#v[@]} -gt 0 ] && [ ${#m[@]} -gt 0 ] && [ ${#t[@]} -gt 0 ] || { echo "no start reached its window" >&2; exit 1; }
median() { printf '%s\n' "$@" | sort -n | awk '{a[NR]=$1} END{print a[int((NR+1)/2)]}'; }
mv=$(median "${v[@]}"); mm=$(median "${m[@]}"); mt=$(median "${t[@]}")
echo "start-up to window mapped, median of ${#v[@]}: vemox ${mv} ms"
echo "  bare Qt main window ${mm} ms: ratio $(awk "BEGIN{printf \"%.2f\", $mv/$mm}")"
echo "  the same with one line of text ${mt} ms: ratio $(awk "BEGIN{printf \"%.2f\", $mv/$mt}")"
maxrss=$(sort -n "$tmp/rss" | tail -n1)
echo "vemox resident memory with its window up: $((maxrss / 1024)) MiB (max of ${#v[@]})"
