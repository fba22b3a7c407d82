#!/usr/bin/env bash
# Installs what is missing, builds the program alone and starts Zel Mayan Animal Sign.
set -euo pipefail
cd "$(dirname "$0")"
# The build compiles the translations (lupdate, lrelease); the program loads Qt's own translations
# of its buttons and dialogs beside its own.
scripts/install-packages.sh cmake g++ ninja-build qt6-base-dev qt6-tools-dev qt6-l10n-tools \
    qt6-translations-l10n fonts-dejavu-core
eval "$(cmake -P cmake/ProgramFacts.cmake 2>&1)"
program=$zel_EXECUTABLE_NAME
cmake --preset default >/dev/null
cmake --build --preset default --target "$program"

if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}${QT_QPA_PLATFORM:-}" ]; then
    echo "No display found. To run it under a virtual display, install the Debian package xvfb" >&2
    echo "(sudo apt-get install xvfb), then: xvfb-run -a ./build/$program" >&2
    exit 1
fi
exec "./build/$program"
