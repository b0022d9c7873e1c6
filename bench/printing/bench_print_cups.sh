#!/usr/bin/env bash
# Ctrl+P to the job accepted by CUPS: the real program under Xvfb prints the receipt of a
# conversion on the default queue of a CUPS scheduler of its own, again and again. The time
# runs from the key sent to the moment the scheduler holds the document under a job number
# (its data file is moved into the spool, which CUPS does once it has taken the job).
# The scheduler holds as many queues as told (1 unless told), the first the default.
# Usage: bench/printing/bench_print_cups.sh [build dir] [runs] [queues]
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
bin=$(cd "${1:-$top/build}" && pwd)
runs=${2:-10}
queues=${3:-1}
source "$top/tests/e2e/lib.sh"
source "$top/tests/e2e/cups.sh"
e2e_init "$bin/src/vemox" "$top" "$bin"
trap 'cups_stop; _e2e_cleanup' EXIT
e2e_start_display
e2e_prepare_work
cups_start "$E2E_TMP/cups"
cups_add_queue pdf
for i in $(seq 2 "$queues"); do cups_add_queue "queue$i"; done
cups_admin -d pdf
e2e_start_program
e2e_convert_europe 100

us() { local t=${EPOCHREALTIME/./}; echo "${t#0}"; }
spooled() { local f=("$CUPS_DIR"/spool/d*); [ -e "${f[0]}" ] && echo "${#f[@]}" || echo 0; }
times=()
for i in $(seq "$runs"); do
    e2e_focus
    before=$(spooled)
    t0=$(us)
    xdotool key ctrl+p
    while [ "$(spooled)" = "$before" ]; do
        [ $(($(us) - t0)) -lt 10000000 ] || e2e_fail "print $i: no job reached the scheduler in 10 s"
        sleep 0.01
    done
    # The data file's change time is when the scheduler moved it into place: the moment it
    # took the job. Polling only finds it; the time comes from the file itself.
    newest=$(ls -t "$CUPS_DIR"/spool/d* | head -n1)
    t1=$(stat -c %.6Z "$newest")
    times+=($(((${t1/./} - t0) / 1000)))
    cups_take_pdf pdf "$E2E_TMP/receipt.pdf"   # the queue is idle again before the next key
done
sorted=$(printf '%s\n' "${times[@]}" | sort -n)
median=$(awk '{a[NR] = $1} END {print a[int((NR + 1) / 2)]}' <<<"$sorted")
echo "Ctrl+P to the job accepted by CUPS ($CUPS_KIND queue, $queues in all), $runs prints: median $median ms," \
    "min $(head -n1 <<<"$sorted") ms, max $(tail -n1 <<<"$sorted") ms"
