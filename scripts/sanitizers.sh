#!/usr/bin/env bash
# Builds the program and its tests under AddressSanitizer and UndefinedBehaviorSanitizer and runs
# the tests: any memory fault, leak or undefined behaviour fails the run. The sanitizer options
# live in the "asan" test preset, so `ctest --preset asan` alone behaves the same; so does the
# one test left out, system_deb, since a package of a sanitized build is no package to ship.
set -euo pipefail
cd "$(dirname "$0")/.."

export QT_QPA_PLATFORM=offscreen

cmake --preset asan >/dev/null
cmake --build --preset asan -j"$(nproc)"
ctest --preset asan
