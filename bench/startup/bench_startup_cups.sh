#!/usr/bin/env bash
# Start-up as bench_startup.sh measures it, with every program pointed at a CUPS scheduler of
# its own that holds many queues (50 unless told), the default one among them: Vemox against
# the minimal windows in one run. Printers are looked up only when a print needs them, so the
# ratio should stay as without a print system.
# Usage: bench/startup/bench_startup_cups.sh [build dir] [runs] [queues]
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
bin=$(cd "${1:-$top/build}" && pwd)
runs=${2:-15}
queues=${3:-50}
source "$top/tests/e2e/cups.sh"
tmp=$(mktemp -d)
trap 'cups_stop; rm -rf "$tmp"' EXIT
cups_start "$tmp/cups"
for i in $(seq "$queues"); do cups_add_queue "queue$i"; done
cups_admin -d queue1
echo "CUPS scheduler at $CUPS_SERVER with $(lpstat -p | grep -c '^printer') queues"
"$top/bench/startup/bench_startup.sh" "$bin" "$runs"
