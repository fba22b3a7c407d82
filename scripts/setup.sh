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

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done

if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing missing Debian packages: ${missing[*]}"
    sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}"
fi

cd "$(dirname "$0")/.."
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" -j"$(nproc)" "${targets[@]}"
