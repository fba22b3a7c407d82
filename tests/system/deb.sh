#!/usr/bin/env bash
# Builds the Debian package from a built tree, away from the tree itself, and checks it the way a
# user's machine would meet it: the control fields, dependencies this system can satisfy, the
# files inside, and the unpacked program starting on its own (system Qt only, a fresh home) and
# staying up, headless and with its main window shown on a virtual X display.
#
#   deb.sh BUILD_DIR      (the facts in ZEL_* variables, as ctest sets them; needs dpkg-dev, xvfb
#                          and xdotool)
set -u

build=$(cd "${1:?usage: deb.sh BUILD_DIR}" && pwd)
exe=${ZEL_EXECUTABLE_NAME:?}
id=${ZEL_APP_ID:?}
package=${ZEL_PACKAGE_NAME:?}
# What the program needs from Debian to open its window and to print: the Qt libraries it links,
# the platform plugins Qt loads to draw, and the font it puts in place of Verdana.
needed=(libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 qt6-qpa-plugins fonts-dejavu-core)
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

# -B keeps both the package and CPack's staging folder out of the build tree.
start=$SECONDS
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$tmp/out" >"$tmp/cpack.log" 2>&1 ||
    { cat "$tmp/cpack.log" >&2; echo "FAIL: cpack -G DEB" >&2; exit 1; }
echo "cpack took $((SECONDS - start)) s"
shopt -s nullglob
debs=("$tmp"/out/*.deb)
((${#debs[@]} == 1)) ||
    { cat "$tmp/cpack.log" >&2; echo "FAIL: expected one .deb, found ${#debs[@]}" >&2; exit 1; }
deb=${debs[0]}
echo "built $(basename "$deb")"

# --- control fields ---
field() { dpkg-deb -f "$deb" "$1"; }
[[ $(field Package) == "$package" ]] || fail "Package is '$(field Package)'"
[[ $(field Version) == "${ZEL_VERSION:?}" ]] || fail "Version is '$(field Version)', the project is $ZEL_VERSION"
[[ $(field Architecture) == "$(dpkg --print-architecture)" ]] || fail "Architecture is '$(field Architecture)'"
[[ $(field Maintainer) == "${ZEL_CONTACT:?}" ]] || fail "Maintainer is '$(field Maintainer)'"
[[ -n $(field Section) ]] || fail "no Section"
[[ -n $(field Description) ]] || fail "no Description"

depends=$(field Depends)
echo "Depends: $depends"
# Each dependency must be one this system satisfies (one of alternatives "a | b" is enough, in
# the version asked for), or the package would not install here.
dpkg-checkbuilddeps -I -d "$depends" /dev/null >&2 || fail "a dependency is not satisfied on this system"
names=$(sed 's/^ *//; s/[ :(].*//' <<<"${depends//[,|]/$'\n'}")
for name in "${needed[@]}"; do
    grep -qxF "$name" <<<"$names" || fail "Depends does not name $name"
done
# Qt's Wayland plugin, for a native window on a Wayland desktop: recommended, not required (Qt
# falls back to X11 through Xwayland).
[[ ", $(field Recommends), " == *", qt6-wayland, "* ]] || fail "Recommends does not name qt6-wayland: '$(field Recommends)'"

# --- contents ---
mkdir "$tmp/root"
dpkg -x "$deb" "$tmp/root"
for path in "usr/bin/$exe" "usr/share/applications/$id.desktop" "usr/share/metainfo/$id.metainfo.xml" \
        "usr/share/mime/packages/$id.xml" "usr/share/doc/$package/copyright" \
        usr/share/icons/hicolor/{32x32,48x48,64x64,256x256}/apps/"$id.png"; do
    [[ -f $tmp/root/$path ]] || fail "the package lacks /$path"
done
program=$tmp/root/usr/bin/$exe
# Nothing may lead back into the build tree: on a user's machine only Debian's Qt is there.
if [[ -f $program ]] && ! ldd "$program" >"$tmp/ldd.log" 2>&1; then
    cat "$tmp/ldd.log" >&2
    fail "ldd cannot read the packaged program"
elif [[ -f $program ]] && grep -e 'not found' -e "$build" "$tmp/ldd.log" >&2; then
    fail "the packaged program loads libraries that are missing or from the build tree"
fi
if [[ -f $program ]] && readelf -d "$program" | grep -E 'R(UN)?PATH' >&2; then
    fail "the packaged program carries a library search path"
fi
if [[ ! -x $program ]]; then
    echo "FAIL: /usr/bin/$exe in the package is not executable; $failures more check(s) failed" >&2
    exit 1
fi

# --- the unpacked program starts ---
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
