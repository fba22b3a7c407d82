#!/usr/bin/env bash
# Checks the Debian package the way a user's machine meets it: every file in its place and nothing
# else, dependencies this system satisfies, and the unpacked program answering on its command line
# and starting on its own (system Qt only, a fresh home) and staying up, headless and with its main
# window shown on a virtual X display. CTest builds and unpacks the package (tests/system).
#
#   deb.sh PACKAGE UNPACKED      (the facts in ZEL_* variables, as ctest sets them)
set -u

deb=${1:?usage: deb.sh PACKAGE UNPACKED}
program=${2:?usage: deb.sh PACKAGE UNPACKED}/usr/bin/${ZEL_EXECUTABLE_NAME:?}
exe=$ZEL_EXECUTABLE_NAME
id=${ZEL_APP_ID:?}
package=${ZEL_PACKAGE_NAME:?}
startup_seconds=${ZEL_STARTUP_SECONDS:-30}
# shellcheck source=tests/system/session.sh
source "$(dirname "${BASH_SOURCE[0]}")/session.sh"

tmp=$(mktemp -d "${TMPDIR:-/tmp}/zel-deb.XXXXXX")
pid=""
xvfb=""
trap 'stop_process "$pid"; stop_process "$xvfb"; rm -rf "$tmp"' EXIT
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

expected=("usr/bin/$exe" "usr/share/applications/$id.desktop" "usr/share/metainfo/$id.metainfo.xml"
    "usr/share/mime/packages/$id.xml" "usr/share/doc/$package/copyright"
    "usr/share/doc/$package/LICENSE-noto-emoji.txt"
    usr/share/icons/hicolor/{32x32,48x48,64x64,256x256}/apps/"$id.png")
diff <(printf '%s\n' "${expected[@]}" | sort) \
    <(dpkg-deb -c "$deb" | awk '/^-/ { print substr($6, 3) }' | sort) >&2 ||
    fail "the package's files differ from the expected list (< missing, > unexpected)"
# Each dependency must be one this system satisfies (one of alternatives "a | b" is enough, in the
# version asked for), or the package would not install here.
dpkg-checkbuilddeps -I -d "$(dpkg-deb -f "$deb" Depends)" /dev/null >&2 ||
    fail "a dependency is not satisfied on this system"

# command_line OPTION STATUS OUTPUT ERROR: without a display, the program ends with STATUS, its
# output and error output matching the patterns.
command_line() {
    local status=0 out error
    out=$(env -i PATH=/usr/bin:/bin HOME="$tmp" LANG=C.UTF-8 "$program" "$1" 2>"$tmp/error") || status=$?
    error=$(<"$tmp/error")
    # shellcheck disable=SC2053 # the expected texts are patterns
    [[ $status == "$2" && $out == $3 && $error == $4 ]] ||
        fail "$1 gave status $status, output '$out', error output '$error'"
}
command_line --version 0 "$ZEL_DISPLAY_NAME $ZEL_VERSION" ""
command_line --help 0 "Usage: $program \\[options\\] \\[file\\]*" ""
command_line --bogus 2 "" "Unknown option 'bogus'*"$'\n''Usage: *'

# run_program WHERE VARIABLE...: a fresh home, so it is a first start, and a clean environment, so
# no inherited Qt or library variable can help it along; the variables given come on top.
run_program() {
    home=$tmp/$1
    shift
    mkdir -p "$home/.config" "$home/.cache" "$home/.local/share" "$home/runtime"
    chmod 700 "$home/runtime"
    env -i PATH=/usr/bin:/bin LANG=C.UTF-8 \
        HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_CACHE_HOME="$home/.cache" \
        XDG_DATA_HOME="$home/.local/share" XDG_RUNTIME_DIR="$home/runtime" "$@" \
        "$program" >"$home/run.log" 2>&1 &
    pid=$!
    before=$failures
}

# stays_up WHERE: the program still runs after a pause long enough for a crash to show.
stays_up() {
    sleep 3
    ended "$pid" || return 0
    wait "$pid"
    fail "$1: the program ended (status $?) instead of staying up"
    return 1
}

# stop_program WHERE: ends it, and shows what it printed if it failed a check.
stop_program() {
    stop_process "$pid"
    pid=""
    if ((failures > before)) && [[ -s $home/run.log ]]; then
        echo "--- program output ($1) ---" >&2
        cat "$home/run.log" >&2
    fi
}

# Without any display: Qt's offscreen platform. The settings file is written on a first start
# just before the main window is shown, and the single-instance lock is held for as long as the
# program runs.
run_program offscreen QT_QPA_PLATFORM=offscreen
settings=$home/.config/$exe.conf
if ! wait_until "$startup_seconds" test -s "$settings"; then
    fail "offscreen: no settings file $settings within $startup_seconds s"
elif stays_up offscreen; then
    grep -q '^\[Settings\]' "$settings" || fail "offscreen: the settings file has no [Settings] section"
    [[ -e $home/runtime/$exe.lock ]] || fail "offscreen: no single-instance lock while the program runs"
    echo "offscreen: up after its first start; settings file written, lock held"
fi
stop_program offscreen

# On a virtual X display through the platform plugins the package depends on: the main window,
# known by its title, must be mapped and visible.
if start_xvfb; then
    title="${ZEL_DISPLAY_NAME:?} v$ZEL_VERSION"
    main_window() { xdotool search --onlyvisible --name "^${title//./\\.}\$" 2>/dev/null; }
    run_program x11 DISPLAY="$DISPLAY"
    if ! wait_until "$startup_seconds" main_window >/dev/null; then
        fail "X11: no visible window titled '$title' within $startup_seconds s"
    elif stays_up X11; then
        echo "X11: main window '$(main_window | head -n 1 | xargs xdotool getwindowname)' is visible"
    fi
    stop_program X11
else
    cat "$tmp/xvfb.err" >&2
    fail "Xvfb did not start"
fi

if ((failures)); then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "the Debian package is complete and its program starts"
