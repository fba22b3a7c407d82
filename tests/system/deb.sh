#!/usr/bin/env bash
# Builds the Debian package from a built tree, away from the tree itself, and checks it the way a
# user's machine would meet it: the control fields, dependencies this system can satisfy, the
# files inside, and the unpacked program starting on its own (system Qt only, a fresh home) and
# staying up, headless and with its main window shown on a virtual X display.
#
# Usage: tests/system/deb.sh BUILD_DIR      (needs dpkg-dev, xvfb and xdotool)
set -euo pipefail

if [[ $# -ne 1 || ! -f $1/CPackConfig.cmake ]]; then
    echo "usage: $0 BUILD_DIR (a configured and built tree)" >&2
    exit 2
fi
build=$(cd "$1" && pwd)

id=example.velmora.ZelMayanAnimalSign
exe=ZelFreeMayanAnimalSign
package=zel-mayan-animal-sign
# What the program needs from Debian to open its window and to print: the Qt libraries it links,
# the platform plugins Qt loads to draw, and the font it puts in place of Verdana.
needed=(libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 qt6-qpa-plugins fonts-dejavu-core)
startup_seconds=${ZEL_STARTUP_SECONDS:-30}

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:[A-Z]*=//p' "$build/CMakeCache.txt")
[[ -n $version ]] || { echo "no project version in $build/CMakeCache.txt" >&2; exit 2; }

work=$(mktemp -d "${TMPDIR:-/tmp}/zel-deb.XXXXXX")
pid=
xvfb_pid=
# An X server that is told to stop while it is still starting forgets it, so a polite request is
# followed by a forced one.
terminate() {
    local tenths
    kill "$1" 2>/dev/null || return 0
    for ((tenths = 0; tenths < 50; tenths++)); do
        kill -0 "$1" 2>/dev/null || break
        sleep 0.1
    done
    kill -KILL "$1" 2>/dev/null || true
    wait "$1" 2>/dev/null || true
}
cleanup() {
    trap - EXIT
    set +e
    local process
    for process in $pid $xvfb_pid; do
        terminate "$process"
    done
    rm -rf "$work"
}
trap cleanup EXIT

# -B keeps both the package and CPack's staging folder out of the build tree.
start=$SECONDS
if ! cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/out" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log" >&2
    echo "FAIL: cpack -G DEB" >&2
    exit 1
fi
echo "cpack took $((SECONDS - start)) s"

shopt -s nullglob
debs=("$work"/out/*.deb)
if [[ ${#debs[@]} -ne 1 ]]; then
    cat "$work/cpack.log" >&2
    echo "FAIL: expected one .deb, found ${#debs[@]}" >&2
    exit 1
fi
deb=${debs[0]}
echo "built $(basename "$deb")"

# --- control fields ---
field() {
    dpkg-deb -f "$deb" "$1"
}
[[ $(field Package) == "$package" ]] || fail "Package is '$(field Package)'"
[[ $(field Version) == "$version" ]] || fail "Version is '$(field Version)', the project is $version"
[[ $(field Architecture) == "$(dpkg --print-architecture)" ]] || fail "Architecture is '$(field Architecture)'"
[[ $(field Maintainer) == "Velmora Softwares <support@velmora.example>" ]] || fail "Maintainer is '$(field Maintainer)'"
[[ -n $(field Section) ]] || fail "no Section"
[[ -n $(field Description) ]] || fail "no Description"

depends=$(field Depends)
echo "Depends: $depends"
declare -A depended=()
# Each dependency must be one this system satisfies, or the package would not install here.
while IFS= read -r dependency; do
    dependency=${dependency#"${dependency%%[![:space:]]*}"}
    [[ -n $dependency ]] || continue
    # Of alternatives "a | b" one is enough.
    satisfied=no
    IFS='|' read -ra alternatives <<<"$dependency"
    for alternative in "${alternatives[@]}"; do
        if [[ $alternative =~ ^[[:space:]]*([a-z0-9.+-]+)(:[a-z0-9]+)?[[:space:]]*(\((<<|<=|=|>=|>>)[[:space:]]*([^\)[:space:]]+)\))?[[:space:]]*$ ]]; then
            name=${BASH_REMATCH[1]}
            relation=${BASH_REMATCH[4]}
            wanted=${BASH_REMATCH[5]}
            depended[$name]=1
            installed=$(dpkg-query -W -f '${Status} ${Version}\n' "$name" 2>/dev/null |
                sed -n 's/^install ok installed //p' | head -n 1 || true)
            if [[ -n $installed ]]; then
                case $relation in
                    '') satisfied=yes ;;
                    '<<') dpkg --compare-versions "$installed" lt "$wanted" && satisfied=yes ;;
                    '>>') dpkg --compare-versions "$installed" gt "$wanted" && satisfied=yes ;;
                    *) dpkg --compare-versions "$installed" "$relation" "$wanted" && satisfied=yes ;;
                esac
            fi
        else
            fail "cannot read the dependency '$alternative'"
        fi
    done
    [[ $satisfied == yes ]] || fail "dependency '$dependency' is not satisfied on this system"
done < <(tr ',' '\n' <<<"$depends")
for name in "${needed[@]}"; do
    [[ -n ${depended[$name]:-} ]] || fail "Depends does not name $name"
done
# Qt's Wayland plugin, for a native window on a Wayland desktop: recommended, not required (Qt
# falls back to X11 through Xwayland).
[[ ", $(field Recommends), " == *", qt6-wayland, "* ]] || fail "Recommends does not name qt6-wayland: '$(field Recommends)'"

# --- contents ---
mkdir "$work/root"
dpkg -x "$deb" "$work/root"
for path in "usr/bin/$exe" "usr/share/applications/$id.desktop" "usr/share/metainfo/$id.metainfo.xml" \
        "usr/share/mime/packages/$id.xml" "usr/share/doc/$package/copyright" \
        usr/share/icons/hicolor/{32x32,48x48,64x64,256x256}/apps/"$id.png"; do
    [[ -f $work/root/$path ]] || fail "the package lacks /$path"
done
program=$work/root/usr/bin/$exe
[[ -x $program ]] || fail "/usr/bin/$exe in the package is not executable"
# Nothing may lead back into the build tree: on a user's machine only Debian's Qt is there.
if [[ -f $program ]]; then
    if ldd "$program" >"$work/ldd.log" 2>&1; then
        if grep -e 'not found' -e "$build" "$work/ldd.log" >&2; then
            fail "the packaged program loads libraries that are missing or from the build tree"
        fi
    else
        cat "$work/ldd.log" >&2
        fail "ldd cannot read the packaged program"
    fi
    if readelf -d "$program" | grep -E 'R(UN)?PATH' >&2; then
        fail "the packaged program carries a library search path"
    fi
fi

# --- the unpacked program starts ---
# Each run gets a fresh home, so it is a first start, and a clean environment, so no inherited Qt
# or library variable can help it along. Extra variables come as arguments.
run_program() {
    local home=$1
    shift
    mkdir -p "$home/.config" "$home/.cache" "$home/.local/share" "$home/runtime"
    chmod 700 "$home/runtime"
    env -i PATH=/usr/bin:/bin LANG=C.UTF-8 \
        HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_CACHE_HOME="$home/.cache" \
        XDG_DATA_HOME="$home/.local/share" XDG_RUNTIME_DIR="$home/runtime" "$@" \
        "$program" >"$home/run.log" 2>&1 &
    pid=$!
}

# Waits until COMMAND succeeds while the program still runs; fails after startup_seconds.
wait_for() {
    local tenths
    for ((tenths = 0; tenths < startup_seconds * 10; tenths++)); do
        "$@" && return 0
        kill -0 "$pid" 2>/dev/null || return 1
        sleep 0.1
    done
    return 1
}

# Fails unless the program is still running after a pause long enough for a crash to show.
stays_up() {
    sleep 3
    if kill -0 "$pid" 2>/dev/null; then
        return 0
    fi
    local status=0
    wait "$pid" || status=$?
    pid=
    fail "$1: the program ended (status $status) instead of staying up"
    return 1
}

stop_program() {
    if [[ -n $pid ]]; then
        terminate "$pid"
        pid=
    fi
}

show_output() {
    if ((failures > $1)) && [[ -s $2/run.log ]]; then
        echo "--- program output ($3) ---" >&2
        cat "$2/run.log" >&2
    fi
}

if [[ -x $program ]]; then
    # Without any display: Qt's offscreen platform. The settings file is written on a first
    # start just before the main window is shown, and the single-instance lock is held for as
    # long as the program runs.
    before=$failures
    home=$work/offscreen
    settings=$home/.config/$exe.conf
    run_program "$home" QT_QPA_PLATFORM=offscreen
    if ! wait_for test -s "$settings"; then
        fail "offscreen: no settings file $settings within ${startup_seconds} s"
    elif stays_up offscreen; then
        grep -q '^\[Settings\]' "$settings" || fail "offscreen: the settings file has no [Settings] section"
        [[ -e $home/runtime/$exe.lock ]] || fail "offscreen: no single-instance lock while the program runs"
        echo "offscreen: up after its first start; settings file written, lock held"
    fi
    stop_program
    show_output "$before" "$home" offscreen

    # On a virtual X display through the platform plugins the package depends on: the main
    # window, known by its title, must be mapped and visible.
    before=$failures
    home=$work/x11
    mkdir -p "$home"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    for ((tenths = 0; tenths < 100; tenths++)); do
        [[ -s $work/display ]] && break
        sleep 0.1
    done
    if [[ ! -s $work/display ]]; then
        cat "$work/xvfb.log" >&2
        fail "Xvfb did not start"
    else
        display=:$(head -n 1 "$work/display")
        title="^Zel Mayan Animal Sign v${version//./\\.}\$"
        main_window_visible() {
            DISPLAY=$display xdotool search --onlyvisible --name "$title" >/dev/null 2>&1
        }
        run_program "$home" DISPLAY="$display"
        if ! wait_for main_window_visible; then
            fail "X11: no visible window titled '$title' within ${startup_seconds} s"
        elif stays_up X11; then
            echo "X11: main window '$(DISPLAY=$display xdotool search --onlyvisible --name "$title" getwindowname)' is visible"
        fi
        stop_program
    fi
    show_output "$before" "$home" X11
fi

if ((failures)); then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "the Debian package is complete and its program starts"
