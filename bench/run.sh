#!/usr/bin/env bash
# run.sh BUILD-DIR: Kelvane beside a bare Qt window, each started RUNS times
# on a private X display under openbox, timed from the start to its window
# having the focus, and its peak memory then; then the interaction times and
# the engine's per-call times.
set -euo pipefail
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
export BENCH_BUILD="$build" RUNS="${RUNS:-15}"

"$here/../scripts/with-x.sh" --wm bash -c '
    measure() { # program title -> "milliseconds kilobytes" per line
        for _ in $(seq "$RUNS"); do
            start=$(date +%s%N)
            "$1" & pid=$!
            while :; do
                id=$(xdotool getwindowfocus 2>/dev/null || true)
                [ -n "$id" ] && [ "$(xprop -id "$id" WM_NAME 2>/dev/null | cut -d\" -f2)" = "$2" ] && break
                sleep 0.002
            done
            end=$(date +%s%N)
            sleep 0.2
            kb=$(awk "/VmHWM/ {print \$2}" /proc/$pid/status)
            kill $pid; wait $pid 2>/dev/null || true
            echo $(( (end - start) / 1000000 )) "$kb"
            sleep 0.2
        done
    }
    median() { sort -n | awk "{a[NR]=\$1} END {print a[int((NR+1)/2)]}"; }
    measure "$BENCH_BUILD/app/kelvane" "Kelvane v2.11" > /tmp/bench.kelvane.$$
    measure "$BENCH_BUILD/bench/bench_bare" "Bare window" > /tmp/bench.bare.$$
    kt=$(cut -d" " -f1 /tmp/bench.kelvane.$$ | median); km=$(cut -d" " -f2 /tmp/bench.kelvane.$$ | median)
    bt=$(cut -d" " -f1 /tmp/bench.bare.$$ | median); bm=$(cut -d" " -f2 /tmp/bench.bare.$$ | median)
    rm -f /tmp/bench.kelvane.$$ /tmp/bench.bare.$$
    echo "start-up to first activation (median of $RUNS): Kelvane $kt ms, bare window $bt ms, ratio $(awk "BEGIN {printf \"%.2f\", $kt/$bt}")"
    echo "peak memory (median of $RUNS):                 Kelvane $km kB, bare window $bm kB, ratio $(awk "BEGIN {printf \"%.2f\", $km/$bm}")"
'
"$build/bench/bench_interactions" 2>/dev/null
"$build/bench/bench_engine" --benchmark_min_time=0.2 2>/dev/null | grep -E '^(BM_|Benchmark)'
