#!/usr/bin/env bash
# The WebAssembly core under Node.js against the native build, side by side in
# one run on this machine:
#   - the exact solver on the published puzzles beside the project
#     (../shared/puzzles): bench/exact_solver_timing of each build, run RUNS
#     times each (3), native and WebAssembly taking turns; each run times
#     every puzzle SOLVES times (5) and gives the median over the puzzles of
#     their medians; the figure of a build is the median of its runs;
#   - krizovky-tool check on a file of 32 copies of the published puzzles,
#     start-up included: PUBLISHED_CHECKS runs each (7), taking turns too,
#     timed by the shell's clock; the figure is their median; and the same on
#     32 copies of the shipped collection data/krizovky.KRI, CHECKS runs (15).
# Prints the medians, the ratios WebAssembly / native and the load (uptime)
# before and after. Run it with nothing else running.
#
#   scripts/bench-web.sh
#
# It builds nothing: make bench-web builds both and runs it. It needs the
# native build in build/ and the WebAssembly one in build-web-core/, as make
# build and make web-core make them, or:
#   cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKRIZOVKY_BUILD_UI=OFF \
#     -DKRIZOVKY_LIBRARY_TESTS=OFF -DKRIZOVKY_CORPUS_TESTS=OFF -DKRIZOVKY_BENCHMARKS=ON
#   cmake --build build -j2 --target krizovky-tool exact_solver_timing krizovky_data
#   NODE_PATH=/usr/share/nodejs emcmake cmake -S . -B build-web-core -G Ninja \
#     -DCMAKE_BUILD_TYPE=Release -DKRIZOVKY_BUILD_UI=OFF -DKRIZOVKY_USE_ICU=OFF \
#     -DKRIZOVKY_USE_ZLIB=OFF -DKRIZOVKY_LIBRARY_TESTS=OFF -DKRIZOVKY_CORPUS_TESTS=OFF \
#     -DKRIZOVKY_BENCHMARKS=ON "-DCMAKE_CROSSCOMPILING_EMULATOR=/usr/bin/node;--no-experimental-fetch"
#   NODE_PATH=/usr/share/nodejs cmake --build build-web-core -j2 \
#     --target krizovky-tool exact_solver_timing krizovky_data
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${RUNS:-3} solves=${SOLVES:-5} checks=${CHECKS:-15}
(( BASH_VERSINFO[0] >= 5 )) || { echo "bash 5 is needed (EPOCHREALTIME)" >&2; exit 1; }

native_timing=build/bench/exact_solver_timing
web_timing=build-web-core/bench/exact_solver_timing.js
native_tool=build/krizovky-tool
web_tool=build-web-core/krizovky-tool-node
for file in "$native_timing" "$web_timing" "$native_tool" "$web_tool"; do
    [[ -x $file || -f $file ]] || { echo "missing $file: build it first (see $0)" >&2; exit 1; }
done
[[ -f ../shared/puzzles/janko.kri ]] || { echo "no published puzzles in ../shared/puzzles" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

echo "load before: $(uptime)"

# The exact solver. Each output has a line "puzzle NAME MS" per puzzle and
# one "median MS".
for ((i = 1; i <= runs; ++i)); do
    "$native_timing" --runs "$solves" >"$work/native.$i"
    node --no-experimental-fetch "$web_timing" --runs "$solves" >"$work/web.$i"
done
# The middle value of the numbers on standard input.
middle() { sort -g | awk '{ v[NR] = $1 } END { print NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
median_of_runs() { for ((i = 1; i <= runs; ++i)); do awk -F'\t' '$1 == "median" { print $2 }' "$work/$1.$i"; done | middle; }
native_median=$(median_of_runs native)
web_median=$(median_of_runs web)
echo
echo "exact solver, ${runs} runs each of $(awk -F'\t' '$1 == "puzzles" { print $2 }' "$work/native.1") published puzzles solved ${solves} times:"
for side in native web; do
    printf '  %-7s median per puzzle of each run (µs):' "$side"
    for ((i = 1; i <= runs; ++i)); do printf ' %s' "$(awk -F'\t' '$1 == "median" { print $2 }' "$work/$side.$i")"; done
    echo
done
awk -v n="$native_median" -v w="$web_median" \
    'BEGIN { printf "  median per puzzle: native %.2f µs, WebAssembly %.2f µs, ratio %.2f (limit 1.3)\n", n, w, w / n }'

# Puzzle by puzzle: the median of each puzzle's times over the runs, and the
# puzzles that WebAssembly slows down most. Lines "RATIO NAME NATIVE WEB".
awk -F'\t' '
    # The middle of the n values in a (sorted in place).
    function middle(a, n,   i, j, x) {
        for (i = 2; i <= n; ++i)
            for (j = i; j > 1 && a[j - 1] > a[j]; --j) { x = a[j]; a[j] = a[j - 1]; a[j - 1] = x }
        return n % 2 ? a[(n + 1) / 2] : (a[n / 2] + a[n / 2 + 1]) / 2
    }
    $1 == "puzzle" {
        side = FILENAME ~ /\/native\.[0-9]+$/ ? "native" : "web"
        times[side, $2, ++count[side, $2]] = $3 + 0
        names[$2] = 1
    }
    END {
        for (p in names) {
            for (s = 0; s < 2; ++s) {
                side = s ? "web" : "native"
                delete a
                for (i = 1; i <= count[side, p]; ++i) a[i] = times[side, p, i]
                m[side] = middle(a, count[side, p])
            }
            printf "%.3f\t%s\t%.2f\t%.2f\n", m["web"] / m["native"], p, m["native"], m["web"]
        }
    }' "$work"/native.* "$work"/web.* | sort -g >"$work/ratios"
awk -F'\t' '{ n += $3; w += $4 } END { printf "  sum over the puzzles: native %.0f µs, WebAssembly %.0f µs, ratio %.2f\n", n, w, w / n }' "$work/ratios"
echo "  ratio of a puzzle's times: median $(cut -f1 "$work/ratios" | middle), largest five:"
tail -n 5 "$work/ratios" | awk -F'\t' '{ printf "    %s: native %.2f µs, WebAssembly %.2f µs, ratio %.2f\n", $2, $3, $4, $1 }'
echo "  the five slowest natively:"
sort -t$'\t' -k3,3g "$work/ratios" | tail -n 5 |
    awk -F'\t' '{ printf "    %s: native %.2f µs, WebAssembly %.2f µs, ratio %.2f\n", $2, $3, $4, $1 }'

# check on 32 copies of a collection, as they stand: check judges every task
# from its own lines, so a name met again is worked out again as the first
# was. The limit is for the published puzzles, the collection the exact
# solver's figures are of; the shipped collection, a tenth of their work,
# shows how much the start-up of Node.js and of its compilers weighs.
# The wall time of one run in milliseconds, from the shell's own clock.
time_check() {  # tool, file
    local start=$EPOCHREALTIME
    "$1" check "$2" >/dev/null
    awk -v a="$start" -v b="$EPOCHREALTIME" 'BEGIN { printf "%.1f\n", (b - a) * 1000 }'
}
check_copies() {  # label, task file, runs, limit
    local label=$1 source=$2 turns=$3 limit=$4 file="$work/copies.kri"
    for ((i = 1; i <= 32; ++i)); do cat "$source"; done >"$file"
    # Both must give the same verdicts.
    "$native_tool" check "$file" >"$work/check.native"
    "$web_tool" check "$file" >"$work/check.web"
    cmp -s "$work/check.native" "$work/check.web" || { echo "the two builds' check verdicts differ" >&2; exit 1; }
    echo
    echo "check on 32 copies of $label ($(wc -l <"$work/check.native") tasks), start-up included,"
    echo "${turns} runs each, native and WebAssembly taking turns, after one of each to warm up (ms):"
    time_check "$native_tool" "$file" >/dev/null
    time_check "$web_tool" "$file" >/dev/null
    rm -f "$work/check.native.times" "$work/check.web.times"
    for ((i = 1; i <= turns; ++i)); do
        time_check "$native_tool" "$file" >>"$work/check.native.times"
        time_check "$web_tool" "$file" >>"$work/check.web.times"
    done
    echo "  native      $(tr '\n' ' ' <"$work/check.native.times")"
    echo "  WebAssembly $(tr '\n' ' ' <"$work/check.web.times")"
    local native web
    native=$(middle <"$work/check.native.times")
    web=$(middle <"$work/check.web.times")
    awk -v n="$native" -v w="$web" -v limit="$limit" \
        'BEGIN { printf "  median: native %.1f ms, WebAssembly %.1f ms, ratio %.2f%s\n", n, w, w / n, limit }'
}
check_copies "the published puzzles ../shared/puzzles/janko.kri" ../shared/puzzles/janko.kri \
    "${PUBLISHED_CHECKS:-7}" " (limit 1.5)"
check_copies "the shipped collection data/krizovky.KRI" data/krizovky.KRI "$checks" ""

echo
echo "load after: $(uptime)"
