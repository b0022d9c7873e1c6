#!/usr/bin/env bash
# A fuzz target started in a folder of its own with relative paths reads every input it is
# named and writes its new finds where it was told.
#   relative_paths_test.sh <fuzz target> <saved corpus folder>
set -euo pipefail
exe=$1
corpus=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
mkdir seeds out
cp "$corpus"/* seeds/
fail() { echo "FAIL: $1"; cat "$2"; exit 1; }

# Single files, one after another: the second and later ones too.
files=(seeds/*)
"$exe" "${files[@]}" >single.log 2>&1 || fail "named files were not all read" single.log
for f in "${files[@]}"; do
    grep -q "Executed $f in" single.log || fail "$f was not run" single.log
done

# A corpus folder: its files are read with their content, not as empty inputs.
"$exe" -runs=0 seeds >corpus.log 2>&1 || fail "the corpus run failed" corpus.log
total=$(cat seeds/* | wc -c)
grep -Eq "INITED .*corp: [0-9]+/([0-9]+)b" corpus.log || fail "no corpus summary" corpus.log
read_bytes=$(grep -Eo "INITED .*corp: [0-9]+/[0-9]+b" corpus.log | grep -Eo "/[0-9]+b" | tr -dc 0-9)
[ "$read_bytes" -gt 1 ] || fail "the corpus was read as empty inputs ($read_bytes of $total bytes)" corpus.log

# New finds go to the relative output folder.
"$exe" -runs=200 -seed=1 out seeds >finds.log 2>&1 || fail "the short run failed" finds.log
[ -n "$(ls out)" ] || fail "nothing was written to out/" finds.log
echo "relative paths: ok"
