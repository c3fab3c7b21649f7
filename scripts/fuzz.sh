#!/usr/bin/env bash
# Runs fuzz targets of a fuzz build, each for a number of seconds, starting
# from its seed files in tests/fuzz/seeds/NAME and a corpus kept in the build,
# as many at a time as the machine has cores (FUZZ_JOBS).
#
#   scripts/fuzz.sh BUILD SECONDS NAME...
#
# A crash stops the run with the fuzzer's report and the input that caused it
# (saved in the build folder) and a non-zero status. What the targets print
# themselves (the boxes of a played script, say) is dropped; the fuzzer's own
# report and a sanitizer's still come.
set -euo pipefail
cd "$(dirname "$0")/.."
build=$1 seconds=$2
shift 2

fuzz_one() {
    local build=$1 seconds=$2 name=$3
    local corpus="$build/corpus/$name"
    mkdir -p "$corpus"
    # Inputs as long as a saved game; a kept game holds one as text, twice as long.
    local max_len=9000
    [[ $name == player_files ]] && max_len=24000
    if ! "$build/tests/fuzz/${name}_fuzz" -max_total_time="$seconds" -max_len="$max_len" \
        -print_final_stats=1 -close_fd_mask=3 -artifact_prefix="$build/$name-" "$corpus" \
        "tests/fuzz/seeds/$name" 2>"$build/$name.log"; then
        echo "fuzzing $name failed:"
        tail -n 60 "$build/$name.log"
        return 1
    fi
    echo "fuzzed $name for $seconds s: $(grep -E '^stat::number_of_executed_units|^stat::peak_rss_mb' \
        "$build/$name.log" | tr '\n' ' ')"
}
export -f fuzz_one

printf '%s\n' "$@" | xargs -P "${FUZZ_JOBS:-$(nproc)}" -I{} bash -c 'fuzz_one "$@"' _ "$build" "$seconds" {}
