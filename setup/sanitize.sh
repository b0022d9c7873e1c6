#!/usr/bin/env bash
# The suite once more, built by clang with AddressSanitizer and UndefinedBehaviorSanitizer,
# then every fuzz target over its saved corpus and for a short bounded run (60 s in all).
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
out="$top/build-sanitize"
fuzz_seconds=${VEMOX_FUZZ_SECONDS:-20}   # per target; three targets stay within a minute

# -O1 with line tables only: the sanitizers' reports keep their file and line, and the
# build takes a good part less time than with full debug information.
CC=clang CXX=clang++ cmake -S "$top" -B "$out" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -gline-tables-only -DNDEBUG" -DVEMOX_SANITIZE=ON -DVEMOX_FUZZ=ON -DVEMOX_BENCH=OFF >/dev/null
cmake --build "$out" --parallel "$(nproc)"

# Qt keeps some caches until exit; leaks are not what this run looks for.
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1:strict_string_checks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export QT_QPA_PLATFORM=offscreen
(cd "$out" && ctest --output-on-failure --timeout 900 -j 2 -E '^e2e')

for exe in "$out"/fuzz/fuzz_*; do
    [ -f "$exe" ] && [ -x "$exe" ] || continue
    name=$(basename "$exe"); name=${name#fuzz_}
    corpus="$top/fuzz/corpus/$name"
    work="$out/fuzz/work-$name"
    rm -rf "$work"; mkdir -p "$work" "$corpus"
    # The resource library is seeded with the shipped one too, whole.
    seeds=("$corpus"); max_len=65536
    if [ "$name" = resourcelib ]; then seeds+=("$out/dll"); max_len=1048576; fi
    echo "== fuzz $name: saved corpus, then ${fuzz_seconds} s"
    # New finds go to a scratch folder, never into the committed corpus.
    "$exe" -runs=0 "${seeds[@]}"
    "$exe" -max_total_time="$fuzz_seconds" -timeout=10 -rss_limit_mb=2048 -max_len="$max_len" "$work" "${seeds[@]}"
done
