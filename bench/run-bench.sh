#!/usr/bin/env bash
# Builds the benchmarks in Release and runs them: everything headless (offscreen), then, where
# xvfb-run is installed, start-up once more on a virtual X display. Options go to zel_bench
# (--runs, --cycles, --calls, --startup-only). ZEL_BENCH_BUILD picks the build folder.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${ZEL_BENCH_BUILD:-$root/build-bench}"

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DZEL_BUILD_BENCH=ON \
    -DZEL_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target zel_bench >/dev/null

cpu="$(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ *//')"
memory="$(free -h | awk '/^Mem:/ {print $2}')"
echo "Machine: $(nproc) processors, ${cpu}, ${memory} memory; $(date -I)"
echo
QT_QPA_PLATFORM=offscreen "$build/bench/zel_bench" "$@"

if command -v xvfb-run >/dev/null; then
    echo
    echo "Start-up again on X (xcb platform, Xvfb):"
    echo
    QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24" \
        "$build/bench/zel_bench" --startup-only "$@"
fi
