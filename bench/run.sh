#!/usr/bin/env bash
# run.sh BUILD-DIR: Kelvane beside a bare Qt window, started RUNS times each,
# in turns, on a private X display under openbox; each timed by xstartup from
# its start to its window becoming the active one, with its peak memory then.
# Start-up times come in a fast and a slow cluster some 10 ms apart, in both
# programs alike, so beside the median the fastest quarter's bound is shown:
# it measures the program rather than how the runs fell.
# Then the command line's decoding and network search beside a C++ program
# that prints one line, the interaction times and the engine's per-call
# times, the network search's speed-up over enumerating every choice of
# parts, and the yields of ten answers beside the same builds drawn by the
# standard library.
set -euo pipefail
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
export BENCH_BUILD="$build" RUNS="${RUNS:-40}"
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
export BENCH_OUT="$out"

"$here/../scripts/with-x.sh" --wm bash -c '
    set -e
    # Taking turns spreads whatever else the machine does over both programs.
    for _ in $(seq "$RUNS"); do
        "$BENCH_BUILD/tools/xstartup" "Kelvane v2.11" "$BENCH_BUILD/app/kelvane" >> "$BENCH_OUT/kelvane"
        "$BENCH_BUILD/tools/xstartup" "Bare window" "$BENCH_BUILD/bench/bench_bare" >> "$BENCH_OUT/bare"
    done'

# quantile FILE FIELD Q: the Q-quantile (0 < Q <= 1) of one column
quantile() { cut -d" " -f"$2" "$out/$1" | sort -n | awk -v q="$3" '{a[NR]=$1} END {i=int(NR*q+0.5); print a[i<1?1:i]}'; }
line() { # what unit field q
    local k b
    k=$(quantile kelvane "$3" "$4") b=$(quantile bare "$3" "$4")
    printf '%-42s Kelvane %8s %s, bare window %8s %s, ratio %s\n' "$1" "$k" "$2" "$b" "$2" "$(awk "BEGIN {printf \"%.2f\", $k/$b}")"
}
line "start-up to first activation, median:" ms 1 0.5
line "start-up to first activation, quartile 1:" ms 1 0.25
line "peak memory, median:" kB 2 0.5
echo "($RUNS starts of each)"
read -r c r ratio < <("$build/bench/bench_runtimes" "${CLI_RUNS:-400}" "$build/app/kelvane" decode yellow violet red gold \
    -- "$build/bench/bench_oneline")
printf '%-42s kelvane %6s ms, one-line C++ program %6s ms, ratio %s (%s runs of each)\n' \
    "kelvane decode yellow violet red gold:" "$c" "$r" "$ratio" "${CLI_RUNS:-400}"
# The network search as a whole process, its index built anew each run:
# values that ten networks of two parts, or of three, meet exactly, two that
# ten of four parts meet exactly (both lists of pairs made; for 3809137 the
# shapes after the first of four settled, for 567.891 the part-part-pair
# shapes, by exact ones the two threads found between them), and one that
# none meets exactly (every shape walked).
for value in 4k7 4321 3809137 567.891 876.543; do
    read -r c r ratio < <("$build/bench/bench_runtimes" "${FIND_RUNS:-40}" "$build/app/kelvane" find "$value" \
        --series E192 --max-parts 4 -- "$build/bench/bench_oneline")
    printf '%-42s kelvane %6s ms, one-line C++ program %6s ms, ratio %s (%s runs of each)\n' \
        "kelvane find $value --series E192 --max-parts 4:" "$c" "$r" "$ratio" "${FIND_RUNS:-40}"
done
"$build/bench/bench_interactions" 2>/dev/null
"$build/bench/bench_engine" --benchmark_min_time=0.2 2>/dev/null | grep -E '^(BM_|Benchmark)' | tee "$out/engine"
# CPU times, one core's: the search beside the enumeration of the same parts.
awk '/^BM_FindNetworks_E24_three / {s=$4} /^BM_Enumerate_E24_three / {e=$4}
    END {printf "three E24 parts: search %s ms, exhaustive enumeration %s ms, speed-up %.0f\n", s, e, e/s}' "$out/engine"
awk '/^BM_Yield_ten\/0 / {r=$4} /^BM_PlainYield_ten\/0 / {rp=$4} /^BM_Yield_ten\/1 / {n=$4} /^BM_PlainYield_ten\/1 / {np=$4}
    END {printf "yields of ten answers, 10^5 builds each (within 30 ms): regulator %s ms, standard library %s ms, ratio %.2f;" \
        " four-part networks %s ms, standard library %s ms, ratio %.2f\n", r, rp, r/rp, n, np, n/np}' "$out/engine"
