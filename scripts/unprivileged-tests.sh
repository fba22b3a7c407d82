#!/usr/bin/env bash
# Runs the unit tests (not the system tests) of a build once more as an unprivileged user, with a
# home and a temporary folder of its own. Root reads and writes any file, so the rows about files
# and folders the program may not read or write only run for a normal user; test.sh calls this
# when it runs as root, so that CI runs those rows too.
# Usage: scripts/unprivileged-tests.sh [BUILD_DIR] (as root; BUILD_DIR defaults to build-ci)
set -euo pipefail
cd "$(dirname "$0")/.."

if [ "$(id -u)" -ne 0 ]; then
    echo "unprivileged-tests.sh: run it as root; as a normal user, ctest is already this run" >&2
    exit 1
fi
build=$(realpath "${1:-build-ci}")
user=nobody
group=$(id -gn "$user")

scratch=$(mktemp -d /tmp/zel-unprivileged.XXXXXX)
trap 'rm -rf "$scratch"' EXIT
chmod 755 "$scratch"

# The build may lie where the user cannot reach it (under root's home): copy the test lists and
# the programs they run, with the build's path moved to the copy.
(
    cd "$build"
    find . -name CTestTestfile.cmake -not -path '*/CMakeFiles/*'
    find . -type f -perm -u+x -not -path '*/CMakeFiles/*'
) | while read -r file; do
    mkdir -p "$scratch/build/$(dirname "$file")"
    cp "$build/$file" "$scratch/build/$file"
done
find "$scratch/build" -name CTestTestfile.cmake -exec sed -i "s#$build#$scratch/build#g" {} +
mkdir -m 700 "$scratch/home" "$scratch/tmp"
chown -R "$user:$group" "$scratch/build" "$scratch/home" "$scratch/tmp"

echo "Unit tests as the unprivileged user $user:"
cd "$scratch"
env -i PATH=/usr/local/bin:/usr/bin:/bin LANG=C.UTF-8 HOME="$scratch/home" TMPDIR="$scratch/tmp" \
    QT_QPA_PLATFORM=offscreen \
    setpriv --reuid="$user" --regid="$group" --clear-groups -- \
    ctest --test-dir "$scratch/build" --label-exclude system --output-on-failure
