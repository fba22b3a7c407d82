#!/usr/bin/env bash
# Runs a test program as the unprivileged user nobody, with a home and a temporary folder of its
# own: ctest's "unprivileged" tests. Root reads and writes any file, so the rows about files the
# program may not touch only run for a normal user. Run by a normal user, it skips (exit 77): the
# test has run as such already.
#   tests/unprivileged.sh PROGRAM
set -euo pipefail
[ "$(id -u)" -eq 0 ] || exit 77

user=nobody
group=$(id -gn "$user")
scratch=$(mktemp -d /tmp/zel-unprivileged.XXXXXX)
trap 'rm -rf "$scratch"' EXIT
# The build may lie where the user cannot reach it (under root's home, say): the program, and the
# other copy of the program that the single-instance tests start from beside it, run from here.
cp "$1" "$scratch"/
[ ! -x "$(dirname "$1")/zel_lockholder" ] || cp "$(dirname "$1")/zel_lockholder" "$scratch"/
mkdir -m 700 "$scratch/home" "$scratch/tmp"
chown -R "$user:$group" "$scratch"
chmod 755 "$scratch"
cd "$scratch"
# What ctest gives the test (its platform, a scale) goes along; nothing else of root's.
passed=()
for name in QT_QPA_PLATFORM QT_SCALE_FACTOR; do
    [ -z "${!name:-}" ] || passed+=("$name=${!name}")
done
env -i PATH=/usr/local/bin:/usr/bin:/bin LANG=C.UTF-8 HOME="$scratch/home" TMPDIR="$scratch/tmp" \
    "${passed[@]}" setpriv --reuid="$user" --regid="$group" --clear-groups -- "$scratch/$(basename "$1")"
