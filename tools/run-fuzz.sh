#!/bin/bash
# Runs every fuzz target of the sanitizer build for SECONDS each (300 by
# default) from its seed corpus and its working corpus, and prints each
# one's executions and findings: tools/run-fuzz.sh [SECONDS]
set -uo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-300}
build=build/sanitize/fuzz
status=0
for corpus in fuzz/corpus/*/; do
    name=$(basename "$corpus")
    mkdir -p "$build/corpus/$name"
    log="$build/$name.log"
    "$build/$name" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$build/$name-" "$build/corpus/$name" "$corpus" >"$log" 2>&1
    result=$?
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    if [ $result -eq 0 ]; then
        echo "$name: ${runs:-?} executions in $seconds s, no finding"
    else
        echo "$name: FINDING after ${runs:-?} executions (log: $log)"
        status=1
    fi
done
exit $status
