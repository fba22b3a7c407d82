#!/usr/bin/env bash
# Builds the benchmarks in Release and runs them: everything headless (offscreen), then, where
# xvfb-run is installed, start-up once more on a virtual X display; on each platform, where
# valgrind is installed, the instructions of each start-up (bench/instructions.sh). Options go to
# zel_bench (--runs, --cycles, --calls, --startup-only). ZEL_BENCH_BUILD picks the build folder;
# ZEL_BENCH_BEFORE names a commit whose start-up is built beside it and measured in the same
# rounds, as "program before".
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${ZEL_BENCH_BUILD:-$root/build-bench}"

configure_and_build() { # source folder, build folder, target
    cmake -S "$1" -B "$2" -DCMAKE_BUILD_TYPE=Release -DZEL_BUILD_BENCH=ON -DZEL_BUILD_TESTS=OFF \
        >/dev/null
    cmake --build "$2" -j"$(nproc)" --target "$3" >/dev/null
}

configure_and_build "$root" "$build" zel_bench

before_probe=""
before_options=()
if [[ -n ${ZEL_BENCH_BEFORE:-} ]]; then
    commit="$(git -C "$root" rev-parse --verify "${ZEL_BENCH_BEFORE}^{commit}")"
    source="$build-before/source"
    # Unpacked again only for another commit, so that an unchanged tree is not built again.
    if [[ "$(cat "$source/.commit" 2>/dev/null)" != "$commit" ]]; then
        rm -rf "$source"
        mkdir -p "$source"
        git -C "$root" archive "$commit" | tar -x -C "$source"
        echo "$commit" >"$source/.commit"
    fi
    configure_and_build "$source" "$build-before/build" zel_startupprobe
    before_probe="$build-before/build/bench/zel_startupprobe"
    before_options=(--before "$before_probe")
fi

cpu="$(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ *//')"
memory="$(free -h | awk '/^Mem:/ {print $2}')"
echo "Machine: $(nproc) processors, ${cpu}, ${memory} memory; $(date -I)"
echo "Program: $(git -C "$root" rev-parse --short HEAD)${before_probe:+; before: ${commit:0:7}}"
echo
export QT_QPA_PLATFORM=offscreen
"$build/bench/zel_bench" "${before_options[@]}" "$@"
if command -v valgrind >/dev/null; then
    echo
    "$root/bench/instructions.sh" "$build/bench" "$before_probe"
fi

if command -v xvfb-run >/dev/null; then
    export QT_QPA_PLATFORM=xcb
    xvfb=(xvfb-run -a -s "-screen 0 1280x1024x24")
    echo
    echo "Start-up again on X (xcb platform, Xvfb):"
    echo
    "${xvfb[@]}" "$build/bench/zel_bench" --startup-only "${before_options[@]}" "$@"
    if command -v valgrind >/dev/null; then
        echo
        "${xvfb[@]}" "$root/bench/instructions.sh" "$build/bench" "$before_probe"
    fi
fi
