#!/usr/bin/env bash
# Installs what is missing, builds with warnings as errors and runs every test headless: the unit
# tests (as root, once more as an unprivileged user), the system tests and the fuzz targets'
# corpus; the whole suite again under AddressSanitizer and UndefinedBehaviorSanitizer; and a short
# libFuzzer run of each fuzz target. Each is a CMake workflow preset: configure, build, test.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-packages.sh cmake g++ ninja-build qt6-base-dev qt6-tools-dev qt6-l10n-tools \
    qt6-translations-l10n fonts-dejavu-core xvfb xauth xdotool x11-utils imagemagick \
    poppler-utils clang libclang-rt-dev desktop-file-utils appstream dpkg-dev file python3 weston \
    qt6-wayland xdg-utils libfile-mimeinfo-perl shared-mime-info orca openbox at-spi2-core dbus
for preset in ci asan fuzz; do
    cmake --workflow --preset "$preset"
done
