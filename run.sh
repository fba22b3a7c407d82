#!/usr/bin/env bash
# Installs what is missing, builds the program alone and starts Zel Mayan Animal Sign.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh default -- ZelFreeMayanAnimalSign

if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}${QT_QPA_PLATFORM:-}" ]; then
    echo "No display found. To run it under a virtual display, install the Debian package xvfb" >&2
    echo "(sudo apt-get install xvfb), then: xvfb-run -a ./build/ZelFreeMayanAnimalSign" >&2
    exit 1
fi
exec ./build/ZelFreeMayanAnimalSign
