#!/usr/bin/env bash
# Installs what is missing, builds with warnings as errors and runs every test headless: the unit
# and system tests (as root, the unit tests once more as an unprivileged user), the whole suite
# again under AddressSanitizer and UndefinedBehaviorSanitizer, and a short run of each fuzz target.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh ci xvfb xauth xdotool x11-utils imagemagick poppler-utils clang \
    libclang-rt-dev desktop-file-utils appstream dpkg-dev file python3 \
    weston qt6-wayland xdg-utils libfile-mimeinfo-perl shared-mime-info

export QT_QPA_PLATFORM=offscreen
ctest --preset ci
# Root reads and writes any file, so the rows about files and folders the program may not touch
# only run for a normal user.
if [ "$(id -u)" -eq 0 ]; then
    scripts/unprivileged-tests.sh build-ci
fi
scripts/sanitizers.sh
scripts/fuzz.sh
