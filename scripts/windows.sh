#!/usr/bin/env bash
# Builds the program for 64-bit Windows on this Debian machine and runs its unit tests under Wine.
#   scripts/windows.sh [STEP...]     steps: packages qt build test (default: all of them, in order)
# Qt's libraries for Windows are built once from Debian's own Qt source, into a folder outside the
# repository, and reused: ZEL_WINDOWS_CACHE (default ${XDG_CACHE_HOME:-$HOME/.cache}/zel-windows).
# The tests run on Qt's offscreen platform unless ZEL_WINDOWS_QPA names another one ("windows"
# runs them in real windows on a private Xvfb display). ZEL_WINDOWS_TESTS is a ctest -R pattern.
# Once built, `ctest --preset windows` runs the same tests under Wine (see cmake/wine-run.sh).
set -euo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
qt_version=6.4.2
qt_source_package=qt6-base
cache=${ZEL_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/zel-windows}
qt_prefix=${ZEL_WINDOWS_QT_PREFIX:-$cache/qt-$qt_version-mingw}
qt_stamp=$qt_prefix/zel-qt-version
triple=x86_64-w64-mingw32
build_dir=$repo/build-windows
jobs=${ZEL_WINDOWS_JOBS:-$(nproc)}

started=$(date +%s)
last=$started
step() {
    local now
    now=$(date +%s)
    printf '\n== %s  [+%ds since last step, %ds in all]  %s\n' "$(date +%T)" $((now - last)) \
        $((now - started)) "$*"
    last=$now
}

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)

install_packages() {
    step "Debian packages"
    # The cross compiler, Qt's host tools (moc, uic, rcc, lrelease) and what Qt's build runs;
    # Wine and a display to run the tests in; NSIS, whose makensis runs on Linux, for the installer.
    local packages=(g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 mingw-w64-tools
        cmake ninja-build perl python3 dpkg-dev fonts-dejavu-core
        qt6-base-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
        wine wine64 nsis xvfb xdotool imagemagick)
    # Wine's 32-bit half, which the NSIS installer needs to run.
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
        echo "Adding the i386 architecture for Wine's 32-bit half"
        "${sudo[@]}" dpkg --add-architecture i386
    fi
    packages+=(wine32:i386)
    "$repo/scripts/install-packages.sh" "${packages[@]}"
    local host_qt
    host_qt=$(dpkg-query -W -f='${Version}' qt6-base-dev)
    case $host_qt in
        "$qt_version"+*) ;;
        *) echo "The host's Qt is $host_qt; the Windows Qt is built from $qt_version" >&2; exit 1 ;;
    esac
}

# Debian's qt6-base source, fetched with an apt configuration of its own: a deb-src entry for
# each Debian entry of the machine's sources, its own lists and cache, the machine's apt setup
# left as it is.
fetch_qt_source() {
    local apt_dir=$cache/apt
    mkdir -p "$apt_dir"/sources.list.d "$apt_dir"/lists/partial "$apt_dir"/cache/archives/partial
    : >"$apt_dir"/sources.list
    local file
    for file in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
        [ -f "$file" ] || continue
        # One-line entries: "deb [options] URI suite components", Debian's archive only.
        sed -n -E 's|^[[:space:]]*deb[[:space:]]+(.*(debian\.org\|/debian).*)$|deb-src \1|p' \
            "$file" >>"$apt_dir"/sources.list
    done
    for file in /etc/apt/sources.list.d/*.sources; do
        [ -f "$file" ] || continue
        # deb822 stanzas: those signed with Debian's archive key, as deb-src.
        awk 'function flush() { if (stanza != "" && stanza ~ /debian-archive-keyring/ && stanza ~ /Types:[^\n]*deb/) {
                 sub(/Types:[^\n]*/, "Types: deb-src", stanza); printf "%s\n", stanza }
                 stanza = "" }
             /^[[:space:]]*$/ { flush(); next }
             /^#/ { next }
             { stanza = stanza $0 "\n" }
             END { flush() }' "$file" >"$apt_dir/sources.list.d/$(basename "$file")"
    done
    echo "Source entries:"
    cat "$apt_dir"/sources.list "$apt_dir"/sources.list.d/*.sources 2>/dev/null | sed 's/^/    /'
    local apt_options=(-o Dir::Etc::SourceList="$apt_dir/sources.list"
        -o Dir::Etc::SourceParts="$apt_dir/sources.list.d"
        -o Dir::State::Lists="$apt_dir/lists" -o Dir::Cache="$apt_dir/cache"
        -o Dir::Cache::pkgcache="" -o Dir::Cache::srcpkgcache=""
        -o APT::Sandbox::User="$(id -un)" -o Debug::NoLocking=true)
    apt-get "${apt_options[@]}" update -qq
    local version
    version=$(apt-cache "${apt_options[@]}" showsrc "$qt_source_package" |
        sed -n 's/^Version: //p' | grep "^$qt_version+" | sort -V | tail -1)
    [ -n "$version" ] || { echo "No $qt_source_package $qt_version source in Debian's archive" >&2; exit 1; }
    echo "Source package: $qt_source_package $version"
    mkdir -p "$cache/source"
    (cd "$cache/source" &&
        apt-get "${apt_options[@]}" source --download-only "$qt_source_package=$version" &&
        rm -rf "$qt_source_package-$qt_version" &&
        dpkg-source --no-check -x "${qt_source_package}_${version#*:}.dsc" "$qt_source_package-$qt_version")
}

build_qt() {
    step "Qt $qt_version for Windows"
    if [ -f "$qt_stamp" ] && [ "$(cat "$qt_stamp")" = "$qt_version" ]; then
        echo "Reusing $qt_prefix"
        return
    fi
    local source=$cache/source/$qt_source_package-$qt_version
    if [ ! -f "$source/CMakeLists.txt" ]; then
        step "Fetching Debian's $qt_source_package source"
        fetch_qt_source
    fi
    step "Configuring Qt for $triple"
    # A build folder that an interrupted or failed build left goes on where it stopped, unless it
    # was made from another source.
    local qt_build=$cache/qt-build
    if ! grep -qs "^CMAKE_HOME_DIRECTORY:INTERNAL=$source\$" "$qt_build/CMakeCache.txt"; then
        rm -rf "$qt_build"
    fi
    rm -rf "$qt_prefix"
    nice -n 19 cmake -G Ninja -S "$source" -B "$qt_build" \
        -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/mingw-w64-x86_64.cmake" \
        -DZEL_WINDOWS_QT_PREFIX="$qt_prefix" \
        -DCMAKE_INSTALL_PREFIX="$qt_prefix" \
        -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DQT_QMAKE_TARGET_MKSPEC=win32-g++ \
        -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
        -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DINPUT_opengl=no -DFEATURE_opengl=OFF \
        -DFEATURE_opengl_dynamic=OFF -DFEATURE_dynamicgl=OFF \
        -DFEATURE_vulkan=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF \
        -DFEATURE_gif=OFF -DFEATURE_tabletevent=OFF -DFEATURE_direct2d1_1=OFF \
        -DFEATURE_androiddeployqt=OFF \
        >"$cache/qt-configure.log" 2>&1 ||
        { tail -40 "$cache/qt-configure.log"; exit 1; }
    grep -E '^ *(Qt (Gui|Widgets|PrintSupport|Testlib)|FreeType|HarfBuzz|JPEG|PNG|Direct|Styles) ' \
        "$cache/qt-configure.log" | sed 's/^/    /' || true
    step "Building Qt (log: $cache/qt-build.log)"
    nice -n 19 cmake --build "$qt_build" --parallel "$jobs" >"$cache/qt-build.log" 2>&1 ||
        { tail -40 "$cache/qt-build.log"; exit 1; }
    nice -n 19 cmake --install "$qt_build" >>"$cache/qt-build.log" 2>&1
    # Qt's own translations of its dialogs, where the libraries look for them.
    mkdir -p "$qt_prefix/translations"
    cp /usr/share/qt6/translations/qtbase_*.qm "$qt_prefix/translations/"
    echo "$qt_version" >"$qt_stamp"
    echo "Installed: $(du -sh "$qt_prefix" | cut -f1) in $qt_prefix"
    # The build folder (over a gigabyte) and the unpacked source only served to resume a build
    # that stopped; the source packages stay, for a rebuild without a download.
    rm -rf "$qt_build" "$source"
}

build_program() {
    step "Cross-building the program (preset windows)"
    cd "$repo"
    ZEL_WINDOWS_QT_PREFIX=$qt_prefix nice -n 19 cmake --preset windows >/dev/null
    nice -n 19 cmake --build --preset windows --parallel "$jobs"
}

# Every test program under Wine, each as ctest would start it (cmake/wine-run.sh, its environment,
# its folder), in a Wine prefix of the script's own; the rows' totals are summed from Qt Test's
# "Totals:" lines.
run_tests() {
    step "Unit tests under Wine"
    export WINEPREFIX=${ZEL_WINDOWS_WINEPREFIX:-$cache/wine}
    export WINEARCH=win64 WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES="mscoree,mshtml="
    local platform=${ZEL_WINDOWS_QPA:-offscreen}
    # Real windows under Wine take several times as long as offscreen ones.
    local timeout_factor=1
    [ "$platform" = offscreen ] || timeout_factor=4

    # Wine draws its windows, and makes its hidden ones, on an X display: a private Xvfb.
    local display
    for display in $(seq 90 120); do
        [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ] || break
    done
    Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    local xvfb_pid=$!
    export DISPLAY=:$display
    # shellcheck disable=SC2064
    trap "wineserver -k 2>/dev/null || true; kill $xvfb_pid 2>/dev/null || true" EXIT
    for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$display" ] && break; sleep 0.1; done

    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        echo "Making the Wine prefix $WINEPREFIX"
        wineboot --init >/dev/null 2>&1
        wineserver -w
    fi
    echo "Platform: $platform   display: $DISPLAY   prefix: $WINEPREFIX"

    local results=$build_dir/wine-tests
    rm -rf "$results"
    mkdir -p "$results"
    # name <TAB> timeout <TAB> folder <TAB> environment (;) <TAB> command (tab-separated), per test.
    ctest --test-dir "$build_dir" --show-only=json-v1 ${ZEL_WINDOWS_TESTS:+-R "$ZEL_WINDOWS_TESTS"} |
        python3 -c '
import json, sys
for test in json.load(sys.stdin)["tests"]:
    properties = {p["name"]: p["value"] for p in test.get("properties", [])}
    environment = properties.get("ENVIRONMENT", [])
    # Empty fields would merge with their neighbours when the shell splits the line: "-" instead.
    print("\t".join([test["name"], str(int(properties.get("TIMEOUT", 300))),
                     properties.get("WORKING_DIRECTORY") or "-", ";".join(environment) or "-"]
                    + test["command"]))' >"$results/tests.tsv"

    local passed=0 failed=0 skipped=0 programs=0 broken=()
    local name timeout folder environment command
    while IFS=$'\t' read -r -a fields; do
        name=${fields[0]} timeout=${fields[1]} folder=${fields[2]} environment=${fields[3]}
        command=("${fields[@]:4}")
        [ "$folder" != - ] || folder=$build_dir/tests
        [ "$environment" != - ] || environment=
        local settings=() setting
        IFS=';' read -r -a settings <<<"$environment"
        local variables=()
        for setting in "${settings[@]}"; do
            case $setting in
                QT_QPA_PLATFORM=*) variables+=("QT_QPA_PLATFORM=$platform") ;;
                *) variables+=("$setting") ;;
            esac
        done
        programs=$((programs + 1))
        local log=$results/$name.log status=0 begun
        begun=$(date +%s)
        timeout=$((timeout * timeout_factor))
        (cd "$folder" && env "${variables[@]}" timeout --kill-after=10 "$timeout" "${command[@]}") \
            </dev/null >"$log" 2>&1 || status=$?
        local totals
        totals=$(grep -a -E '^Totals: ' "$log" | tail -1 || true)
        printf '%-28s %4ss  exit %-3s %s\n' "$name" $(($(date +%s) - begun)) "$status" \
            "${totals:-(no totals: the program did not finish)}"
        if [ -n "$totals" ]; then
            local p f s
            read -r p f s < <(sed -E 's/^Totals: ([0-9]+) passed, ([0-9]+) failed, ([0-9]+) skipped.*/\1 \2 \3/' <<<"$totals")
            passed=$((passed + p)) failed=$((failed + f)) skipped=$((skipped + s))
        else
            broken+=("$name")
        fi
    done <"$results/tests.tsv"

    echo
    echo "Failed rows (the first 200 characters; the whole output is in the logs):"
    local log
    for log in "$results"/*.log; do
        grep -a -q -E '^FAIL!  : ' "$log" || continue
        echo "  $(basename "$log" .log):"
        grep -a -E '^FAIL!  : ' "$log" | cut -c1-200 | sed 's/^/    /'
    done
    if [ ${#broken[@]} -gt 0 ]; then
        echo "Programs without totals (crashed or timed out): ${broken[*]}"
    fi
    echo "Settings left in the Wine prefix's registry:"
    wine reg query 'HKCU\Software\ZelFreeMayanAnimalSign' /s 2>/dev/null | tr -d '\r' | sed 's/^/    /' ||
        echo "    none"
    echo "Logs: $results"
    echo "Test programs run: $programs"
    echo "Wine: $passed passed, $failed failed, $skipped skipped"
    [ "$failed" -eq 0 ] && [ ${#broken[@]} -eq 0 ]
}

steps=("$@")
[ ${#steps[@]} -gt 0 ] || steps=(packages qt build test)
for s in "${steps[@]}"; do
    case $s in
        packages) install_packages ;;
        qt) build_qt ;;
        build) build_program ;;
        test) run_tests ;;
        *) echo "Unknown step: $s (packages qt build test)" >&2; exit 2 ;;
    esac
done
step "Done"
