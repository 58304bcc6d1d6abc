#!/usr/bin/env bash
# Runs each named libFuzzer target for SECONDS seconds, starting from its kept inputs in
# fuzz/corpus/<loader>/; what it learns goes to BUILD/found/<loader>/, and an input that
# crashes it to BUILD/found/<loader>-crash-*. Prints the number of runs of each.
#
#   fuzz/run.sh BUILD SECONDS LOADER...
set -euo pipefail
build=${1:?usage: run.sh BUILD SECONDS LOADER...}
seconds=${2:?seconds}
shift 2
cd "$(dirname "$0")/.."
for loader in "$@"; do
    found=$build/found/$loader
    log=$build/fuzz-$loader.log
    mkdir -p "$found"
    if ! "$build/fuzz-$loader" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 \
        -print_final_stats=1 -artifact_prefix="$found-" "$found" "fuzz/corpus/$loader" \
        >"$log" 2>&1; then
        echo "fuzz-$loader: FAILED (the input is kept as $found-*)"
        grep -E -A40 '^==[0-9]+==ERROR|runtime error|deadly signal|Test unit' "$log" | head -80
        exit 1
    fi
    runs=$(awk '/stat::number_of_executed_units/ { print $2 }' "$log")
    rss=$(awk '/stat::peak_rss_mb/ { print $2 }' "$log")
    kept=$(find "$found" -type f | wc -l)
    echo "fuzz-$loader: $runs runs in $seconds s, peak $rss MB, $kept inputs learnt"
done
