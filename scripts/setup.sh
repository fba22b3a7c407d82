#!/usr/bin/env bash
# Shared by run.sh and test.sh: installs the Debian packages that are missing, then configures the
# given CMake preset and builds it, or only the targets named after "--".
# Usage: scripts/setup.sh PRESET [EXTRA PACKAGE...] [-- TARGET...]
set -euo pipefail

preset=${1:-default}
shift || true
extra=()
targets=()
while [ $# -gt 0 ]; do
    if [ "$1" = "--" ]; then
        shift
        targets=(--target "$@")
        break
    fi
    extra+=("$1")
    shift
done
# The build compiles the translations (lupdate, lrelease and their CMake functions); the program
# loads Qt's own translations of its buttons and dialogs beside its own.
packages=(cmake g++ make ninja-build qt6-base-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    fonts-dejavu-core "${extra[@]}")

"$(dirname "$0")/install-packages.sh" "${packages[@]}"

cd "$(dirname "$0")/.."
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" -j"$(nproc)" "${targets[@]}"
