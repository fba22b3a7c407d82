#!/usr/bin/env bash
# Counts the instructions each start-up child runs until its window is painted: callgrind on the
# child's own process, up to the call that reports the paint (the exit after it is left out).
# Every run gets a fresh home, configuration and runtime folder, as under zel_bench; the median
# of the runs is printed against both floors, with the verdict against the same window.
# Usage: instructions.sh <folder of the bench programs> [<another build's start-up probe>]
# on the platform QT_QPA_PLATFORM names; ZEL_BENCH_CALLGRIND_RUNS runs of each (3).
set -euo pipefail
bench="$1"
before="${2:-}"
runs="${ZEL_BENCH_CALLGRIND_RUNS:-3}"
target=1.10

# Runs one child in a fresh home; prints its output, or with "callgrind" first, its count.
fresh() {
    local home runtime status=0
    home="$(mktemp -d)"
    runtime="$(mktemp -d -p /dev/shm 2>/dev/null || mktemp -d)"
    mkdir -p "$home/config" "$home/cache"
    local run=(env HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_CACHE_HOME="$home/cache"
        XDG_RUNTIME_DIR="$runtime")
    if [[ $1 == callgrind ]]; then
        shift
        "${run[@]}" valgrind --tool=callgrind --callgrind-out-file="$home/callgrind.out" \
            --dump-before='ChildReport::reportPaintedAndExit*' "$@" >/dev/null 2>&1 || status=$?
        # The first dump holds everything up to the paint; none means the window never painted.
        [[ $status == 0 && -f $home/callgrind.out.1 ]] \
            && awk '/^summary:/ {print $2}' "$home/callgrind.out.1"
    else
        "${run[@]}" "$@" 2>/dev/null || true
    fi
    rm -rf "$home" "$runtime"
}

median() {
    sort -n | awk '{v[NR] = $1} END {if (NR) print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'
}

size="$(fresh "$bench/zel_startupprobe" | awk '$1 == "window" {print $2}')"
names=(program bare_text same_window)
declare -A commands=(
    [program]="$bench/zel_startupprobe"
    [bare_text]="$bench/zel_barewindow $size text"
    [same_window]="$bench/zel_samewindow $size"
)
if [[ -n $before ]]; then
    names=(program before bare_text same_window)
    commands[before]="$before"
fi
declare -A counts
for ((round = 0; round < runs; ++round)); do
    for name in "${names[@]}"; do
        # shellcheck disable=SC2086 # the command is a program and its plain arguments
        count="$(fresh callgrind ${commands[$name]})"
        counts[$name]+="${count:-failed} "
    done
done
declare -A medians
for name in "${names[@]}"; do
    medians[$name]="$(tr ' ' '\n' <<<"${counts[$name]}" | grep -E '^[0-9]+$' | median)"
    if grep -q failed <<<"${counts[$name]}"; then
        echo "$name: some runs did not reach the paint (${counts[$name]})" >&2
    fi
done

row() { # label name
    awk -v label="$1" -v n="${medians[$2]:-}" -v text="${medians[bare_text]:-}" \
        -v same="${medians[same_window]:-}" -v target="$target" -v floor="$2" 'BEGIN {
        if (n == "") { printf "| %s | failed | | | | |\n", label; exit }
        printf "| %s | %.1f M | %.2fx | %.2fx | ", label, n / 1e6, n / text, n / same
        if (floor ~ /^(bare_text|same_window)$/) { print "| |"; exit }
        printf "<= %.2fx | %s |\n", target, (n / same <= target) ? "met" : "**missed**"
    }'
}

echo "Instructions to the painted window, callgrind, the child's own process, median of $runs;"
echo "platform ${QT_QPA_PLATFORM:-default}, window $size:"
echo
echo "| Start-up | instructions | / bare window with text | / same window | target | verdict |"
echo "|---|---:|---:|---:|---:|---|"
row program program
[[ -n $before ]] && row "program before" before
row "bare window with text" bare_text
row "same window" same_window
