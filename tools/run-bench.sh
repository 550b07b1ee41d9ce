#!/bin/bash
# Runs end-to-end benchmarks one after another in a Wine session of their
# own: tools/run-bench.sh SESSION_DIR "BENCH.exe [ARGUMENTS]"...  Each
# benchmark is a program of build/win64/e2e; the exit code is the first
# failing one's.
set -uo pipefail
cd "$(dirname "$0")/.."
SESSION=e2e/harness/wine-session.sh
dir=$1
shift
"$SESSION" start "$dir" build/win64 || exit 1
status=0
for bench in "$@"; do
    read -ra words <<<"$bench"
    "$SESSION" run "$dir" "build/win64/e2e/${words[0]}" "${words[@]:1}" </dev/null ||
        { s=$?; [ $status -eq 0 ] && status=$s; }
done
"$SESSION" stop "$dir"
exit $status
