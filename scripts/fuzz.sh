#!/usr/bin/env bash
# Builds the libFuzzer targets and gives each a short run: first over every file of its seed
# corpus, then on new inputs for ZEL_FUZZ_SECONDS seconds (30 unless set). New inputs go to a
# temporary copy of the corpus, never to the repository. A crash, a failed check, a leak, a
# timeout or running out of memory fails the run; the input that did it is kept in
# build-fuzz/artifacts/.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${ZEL_FUZZ_SECONDS:-30}
targets=(savedreading scramble)
artifacts=$PWD/build-fuzz/artifacts

export ASAN_OPTIONS=detect_leaks=1:halt_on_error=1:print_stacktrace=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j"$(nproc)"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$artifacts"

# One line for the logs: how many inputs ran, the coverage reached and the corpus it ended with.
summarize() {
    local target=$1 log=$2
    local runs coverage features corpus
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    coverage=$(grep -o 'cov: [0-9]*' "$log" | tail -n 1 | cut -d' ' -f2)
    features=$(grep -o 'ft: [0-9]*' "$log" | tail -n 1 | cut -d' ' -f2)
    corpus=$(find "$work/$target" -type f | wc -l)
    echo "fuzz_$target: ${runs:-?} runs in ${seconds} s, coverage ${coverage:-?} edges," \
        "${features:-?} features, ${corpus} corpus inputs"
}

failed=0
for target in "${targets[@]}"; do
    cp -r "tests/fuzz/corpus/$target" "$work/$target"
    log=$work/$target.log
    if ! "build-fuzz/tests/fuzz/fuzz_$target" -max_total_time="$seconds" -rss_limit_mb=2048 \
            -timeout=10 -print_final_stats=1 -artifact_prefix="$artifacts/$target-" \
            "$work/$target" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz_$target FAILED; the input is in $artifacts/"
        failed=1
        continue
    fi
    summarize "$target" "$log"
done
exit "$failed"
