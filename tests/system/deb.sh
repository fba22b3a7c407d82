#!/usr/bin/env bash
# Builds the Debian package from a built tree, away from the tree itself, and checks it the way a
# user's machine would meet it: the control fields, dependencies this system can satisfy, the
# files inside, and the unpacked program starting on its own (system Qt only, a fresh home) and
# staying up with its main window.
#
# Usage: tests/system/deb.sh BUILD_DIR
set -euo pipefail

if [[ $# -ne 1 || ! -f $1/CPackConfig.cmake ]]; then
    echo "usage: $0 BUILD_DIR (a configured and built tree)" >&2
    exit 2
fi
build=$(cd "$1" && pwd)

id=example.velmora.ZelMayanAnimalSign
exe=ZelFreeMayanAnimalSign
package=zel-mayan-animal-sign
# What the program needs from Debian to open its window: the Qt libraries it links, the platform
# plugins Qt loads to draw, and the font it puts in place of Verdana.
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
cleanup() {
    if [[ -n $pid ]] && kill -0 "$pid" 2>/dev/null; then
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    fi
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
            installed=$(dpkg-query -W -f '${Status} ${Version}\n' "$name" 2>/dev/null | sed -n 's/^install ok installed //p' | head -n 1)
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

# --- contents ---
mkdir "$work/root"
dpkg -x "$deb" "$work/root"
for path in "usr/bin/$exe" "usr/share/applications/$id.desktop" "usr/share/metainfo/$id.metainfo.xml" \
        "usr/share/doc/$package/copyright" \
        usr/share/icons/hicolor/{32x32,48x48,64x64,256x256}/apps/"$id.png"; do
    [[ -f $work/root/$path ]] || fail "the package lacks /$path"
done
program=$work/root/usr/bin/$exe
[[ -x $program ]] || fail "/usr/bin/$exe in the package is not executable"
# Nothing may lead back into the build tree: on a user's machine only Debian's Qt is there.
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

# --- the unpacked program starts ---
if [[ -x $program ]]; then
    home=$work/home
    mkdir -p "$home/.config" "$home/.cache" "$home/.local/share" "$home/runtime"
    chmod 700 "$home/runtime"
    settings=$home/.config/$exe.conf
    lock=$home/runtime/$exe.lock
    # A clean environment: no inherited Qt or library variables may help it along.
    env -i PATH=/usr/bin:/bin LANG=C.UTF-8 QT_QPA_PLATFORM=offscreen \
        HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_CACHE_HOME="$home/.cache" \
        XDG_DATA_HOME="$home/.local/share" XDG_RUNTIME_DIR="$home/runtime" \
        "$program" >"$work/run.log" 2>&1 &
    pid=$!
    # The settings file is written on a first start just before the main window is shown; the
    # lock is held for as long as the program runs.
    for ((tenths = 0; tenths < startup_seconds * 10; tenths++)); do
        [[ -s $settings ]] && break
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    if [[ ! -s $settings ]]; then
        fail "no settings file $settings after ${startup_seconds} s"
    else
        # Showing the window comes after the settings file; a crash there shows within this wait.
        sleep 3
        if ! kill -0 "$pid" 2>/dev/null; then
            status=0
            wait "$pid" || status=$?
            pid=
            fail "the program ended (status $status) instead of staying up with its main window"
        else
            grep -q '^\[Settings\]' "$settings" || fail "the settings file has no [Settings] section"
            [[ -e $lock ]] || fail "no single-instance lock $lock while the program runs"
            echo "the packaged program is up (pid $pid); settings file written, lock held"
        fi
    fi
    if ((failures)) && [[ -s $work/run.log ]]; then
        echo "--- program output ---" >&2
        cat "$work/run.log" >&2
    fi
fi

if ((failures)); then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "the Debian package is complete and its program starts"
