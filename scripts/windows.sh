#!/usr/bin/env bash
# Builds the program for 64-bit Windows on this Debian machine, runs its unit tests under Wine, makes
# its installer and tries that under Wine as a person would.
#   scripts/windows.sh [STEP...]     steps: packages qt build test installer (default: all, in order)
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
# shellcheck source=scripts/debian-source.sh
source "$repo/scripts/debian-source.sh"

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
    # Wine, its own stand-ins for Windows' interface fonts (menus and message boxes are drawn in
    # them) and a display to run the tests in; NSIS, whose makensis runs on Linux, for the installer;
    # the X tools that find the program's windows and take their pictures.
    local packages=(g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 mingw-w64-tools
        cmake ninja-build perl python3 dpkg-dev fonts-dejavu-core
        qt6-base-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
        wine wine64 fonts-wine nsis xvfb xdotool x11-utils imagemagick)
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

build_qt() {
    step "Qt $qt_version for Windows"
    if [ -f "$qt_stamp" ] && [ "$(cat "$qt_stamp")" = "$qt_version" ]; then
        echo "Reusing $qt_prefix"
        return
    fi
    local source=$cache/source/$qt_source_package-$qt_version
    if [ ! -f "$source/CMakeLists.txt" ]; then
        step "Fetching Debian's $qt_source_package source"
        fetch_debian_source "$cache" "$qt_source_package" "$qt_version"
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

# Wine draws its windows, and makes its hidden ones, on an X display: a private Xvfb, ended with
# the Wine server when the script ends.
start_display() {
    [ -z "${xvfb_pid:-}" ] || return 0
    local display
    for display in $(seq 90 120); do
        [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ] || break
    done
    Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    export DISPLAY=:$display
    trap 'wineserver -k 2>/dev/null || true; kill $xvfb_pid 2>/dev/null || true' EXIT
    for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$display" ] && break; sleep 0.1; done
}

use_wine_prefix() {
    export WINEPREFIX=$1
    export WINEARCH=win64 WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES="mscoree,mshtml="
}

# The tests ctest knows, a line each: name <TAB> timeout <TAB> folder <TAB> environment (;-separated)
# <TAB> command (tab-separated).
list_tests() {
    ctest --test-dir "$build_dir" --show-only=json-v1 ${ZEL_WINDOWS_TESTS:+-R "$ZEL_WINDOWS_TESTS"} |
        python3 -c '
import json, sys
for test in json.load(sys.stdin)["tests"]:
    properties = {p["name"]: p["value"] for p in test.get("properties", [])}
    environment = properties.get("ENVIRONMENT", [])
    # Empty fields would merge with their neighbours when the shell splits the line: "-" instead.
    print("\t".join([test["name"], str(int(properties.get("TIMEOUT", 300))),
                     properties.get("WORKING_DIRECTORY") or "-", ";".join(environment) or "-"]
                    + test["command"]))'
}

# One test program of list_tests' line, as ctest would start it but on the chosen platform; its
# rows are added to run_tests' totals.
run_listed_test() {
    local name=$1 timeout=$(($2 * timeout_factor)) folder=$3 environment=$4
    shift 4
    [ "$folder" != - ] || folder=$build_dir/tests
    [ "$environment" != - ] || environment=
    local settings=() setting variables=()
    IFS=';' read -r -a settings <<<"$environment"
    for setting in "${settings[@]}"; do
        case $setting in
            QT_QPA_PLATFORM=*) variables+=("QT_QPA_PLATFORM=$platform") ;;
            *) variables+=("$setting") ;;
        esac
    done
    programs=$((programs + 1))
    local log=$results/$name.log status=0 begun totals
    begun=$(date +%s)
    (cd "$folder" && env "${variables[@]}" timeout --kill-after=10 "$timeout" "$@") \
        </dev/null >"$log" 2>&1 || status=$?
    totals=$(grep -a -E '^Totals: ' "$log" | tail -1 || true)
    printf '%-28s %4ss  exit %-3s %s\n' "$name" $(($(date +%s) - begun)) "$status" \
        "${totals:-(no totals: the program did not finish)}"
    if [ -z "$totals" ]; then
        broken+=("$name")
        return
    fi
    local p f s
    read -r p f s < <(sed -E 's/^Totals: ([0-9]+) passed, ([0-9]+) failed, ([0-9]+) skipped.*/\1 \2 \3/' <<<"$totals")
    passed=$((passed + p)) failed=$((failed + f)) skipped=$((skipped + s))
}

# Every test program under Wine, each as ctest would start it (cmake/wine-run.sh, its environment,
# its folder), in a Wine prefix of the script's own; the rows' totals are summed from Qt Test's
# "Totals:" lines.
run_tests() {
    step "Unit tests under Wine"
    use_wine_prefix "${ZEL_WINDOWS_WINEPREFIX:-$cache/wine}"
    local platform=${ZEL_WINDOWS_QPA:-offscreen}
    # Real windows under Wine take several times as long as offscreen ones, for the whole program
    # (ctest's timeout) as for each test function (Qt Test's, 5 minutes by default).
    local timeout_factor=1
    [ "$platform" = offscreen ] || timeout_factor=4
    export QTEST_FUNCTION_TIMEOUT=$((300000 * timeout_factor))
    start_display
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        echo "Making the Wine prefix $WINEPREFIX"
        wineboot --init >/dev/null 2>&1
        wineserver -w
    fi
    echo "Platform: $platform   display: $DISPLAY   prefix: $WINEPREFIX"

    local results=$build_dir/wine-tests passed=0 failed=0 skipped=0 programs=0 broken=() fields
    rm -rf "$results"
    mkdir -p "$results"
    list_tests >"$results/tests.tsv"
    while IFS=$'\t' read -r -a fields; do
        run_listed_test "${fields[@]}"
    done <"$results/tests.tsv"
    report_test_failures
    summary+=("Unit tests under Wine: $programs programs; $passed rows passed, $failed failed, $skipped skipped")
    echo "${summary[-1]}"
    [ "$failed" -eq 0 ] && [ ${#broken[@]} -eq 0 ] || outcome=1
}

# The failed rows and the programs that ended without totals in run_tests' logs, and any setting
# a test left in the Wine prefix's registry.
report_test_failures() {
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
    if registry_lacks 'HKCU\Software\ZelFreeMayanAnimalSign' >/dev/null 2>&1; then
        echo "    none"
    else
        wine reg query 'HKCU\Software\ZelFreeMayanAnimalSign' /s | tr -d '\r' | sed 's/^/    /'
    fi
    echo "Logs: $results"
}

# --- The installer, tried as a person on Windows meets it ---------------------------------------

make_installer() {
    step "Installer (CPack, NSIS)"
    rm -rf "$build_dir/package"
    (cd "$build_dir" && cpack -G NSIS -B "$build_dir/package") >"$build_dir/package.log" 2>&1 ||
        { tail -30 "$build_dir/package.log"; exit 1; }
    installer=$(ls "$build_dir"/package/zel-mayan-animal-sign-*-win64.exe)
    summary+=("Installer: $(basename "$installer"), $(du -k "$installer" | cut -f1) kB")
    echo "${summary[-1]}"
}

# The first X window titled as the program's windows are whose width passes the given one: the
# main window is 479 pixels wide, the result window 616.
program_window() {
    local wider_than=$1 window width
    for _ in $(seq 120); do
        for window in $(xdotool search --onlyvisible --name '^Zel Mayan Animal Sign v' 2>/dev/null); do
            width=$(xwininfo -id "$window" | sed -n 's/^ *Width: //p')
            [ "${width:-0}" -gt "$wider_than" ] && { echo "$window"; return; }
        done
        sleep 0.5
    done
    echo "No program window wider than $wider_than pixels appeared" >&2
    exit 1
}

# A window's picture, taken once Wine has painted it (a window just mapped is still one colour),
# its size, and the icon Windows gives it for its title bar and the task bar, as a picture too:
# the first of the property's ARGB pictures, handed to ImageMagick as a PAM image.
look_at_window() {
    local window=$1 name=$2 size icon
    for _ in $(seq 40); do
        import -window "$window" "$screenshots/$name.png"
        [ "$(convert "$screenshots/$name.png" -format %k info:)" -gt 16 ] && break
        sleep 0.5
    done
    size=$(xwininfo -id "$window" | sed -n 's/^ *Width: //p;s/^ *Height: //p' | paste -sd x)
    xprop -id "$window" -notype 32c _NET_WM_ICON | python3 -c '
import sys
numbers = [int(n) for n in sys.stdin.read().split("=", 1)[1].split(",")]
width, height = numbers[0], numbers[1]
header = f"P7\nWIDTH {width}\nHEIGHT {height}\nDEPTH 4\nMAXVAL 255\nTUPLTYPE RGB_ALPHA\nENDHDR\n"
pixels = numbers[2:2 + width * height]
sys.stdout.buffer.write(header.encode() + bytes(
    b for p in pixels for b in ((p >> 16) & 255, (p >> 8) & 255, p & 255, p >> 24)))' |
        convert pam:- "$screenshots/$name-icon.png"
    icon=$(identify -format %wx%h "$screenshots/$name-icon.png")
    summary+=("$name window: $size pixels, a $icon icon; pictures $screenshots/$name.png, $name-icon.png")
    echo "${summary[-1]}"
}

# The text a console shows when the installed program runs in it with the given option: Wine's
# console draws it with terminal controls, which go, and wraps it at 80 columns.
console_output() {
    script -qc "$(printf '%q ' wine cmd /c "$program" "$1")" /dev/null </dev/null |
        sed -e 's/\x1b\[1C/ /g' -e 's/\x1b\[[0-9;?]*[A-Za-z]//g' -e 's/\r//g' | grep -v '^$'
}

# Installs the installer silently in a Wine prefix made anew for a user named José (so that his
# folders have a name outside ASCII), starts the program from the Start menu, opens a saved reading
# from his Documents through the file type as Explorer does, asks the program for --help and
# --version in a console, uninstalls silently and looks for anything left behind.
try_installer() {
    step "Installing under Wine"
    start_display
    use_wine_prefix "$cache/wine-installer"
    wineserver -k 2>/dev/null || true
    rm -rf "$WINEPREFIX"
    export USER=José LOGNAME=José
    wineboot --init >/dev/null 2>&1
    wineserver -w
    screenshots=${ZEL_WINDOWS_SCREENSHOTS:-$build_dir/screenshots}
    mkdir -p "$screenshots"
    local drive=$WINEPREFIX/drive_c
    local home="$drive/users/José" folder="$drive/Program Files/Zel Mayan Animal Sign"
    local menu="$drive/ProgramData/Microsoft/Windows/Start Menu/Programs/Zel Mayan Animal Sign"
    [ -d "$home" ] || { echo "Wine made no folder for José: $(ls "$drive/users")" >&2; exit 1; }

    wine "$installer" /S
    wineserver -w
    program='C:\Program Files\Zel Mayan Animal Sign\ZelFreeMayanAnimalSign.exe'
    check "the program in Program Files" test -f "$folder/ZelFreeMayanAnimalSign.exe"
    summary+=("Installed: $(du -sk "$folder" | cut -f1) kB in $(find "$folder" -type f | wc -l) files")
    echo "${summary[-1]}"
    check "the uninstaller" test -f "$folder/Uninstall.exe"
    check "Qt's plugins and translations where qt.conf says" test -f "$folder/qt.conf" -a \
        -f "$folder/plugins/platforms/qwindows.dll" -a -f "$folder/translations/qtbase_de.qm"
    check "the Start-menu shortcut" test -f "$menu/Zel Mayan Animal Sign.lnk"
    check ".zod names the program's file type" registry_has 'HKCR\.zod' ZelFreeMayanAnimalSign.Reading
    check "the file type's open command passes the path" \
        registry_has 'HKCR\ZelFreeMayanAnimalSign.Reading\shell\open\command' '"%1"'
    check "the file type's icon is the program's" \
        registry_has 'HKCR\ZelFreeMayanAnimalSign.Reading\DefaultIcon' 'ZelFreeMayanAnimalSign.exe,0'

    step "The installed program"
    wine start 'C:\ProgramData\Microsoft\Windows\Start Menu\Programs\Zel Mayan Animal Sign\Zel Mayan Animal Sign.lnk'
    look_at_window "$(program_window 400)" main
    local stored
    stored=$(reminder_date)
    summary+=("Update-reminder date in HKEY_CURRENT_USER\\Software\\ZelFreeMayanAnimalSign\\OrganizationDefaults\\Settings: $stored")
    echo "${summary[-1]}"
    check "the reminder date is today's" test "$stored" = "$(date +%F)"
    # Ended as Task Manager ends a program: the next start must not be refused.
    wineserver -k
    sleep 1

    local reading="$home/Documents/José Peña.zod"
    cp "$repo/tests/fuzz/corpus/savedreading/valid-accented.zod" "$reading"
    wine start 'C:\users\José\Documents\José Peña.zod'
    look_at_window "$(program_window 600)" result
    wineserver -k
    sleep 1

    local version
    version=$(console_output --version)
    summary+=("--version in a console: $version")
    echo "${summary[-1]}"
    check "--version names the program" grep -q '^Zel Mayan Animal Sign [0-9]' <<<"$version"
    check "--help shows the usage" grep -q '^Usage: .*ZelFreeMayanAnimalSign.exe \[options\] \[file\]' \
        <<<"$(console_output --help | tr -d '\n')"

    step "Uninstalling"
    wine "C:\\Program Files\\Zel Mayan Animal Sign\\Uninstall.exe" /S
    wineserver -w
    check "nothing left in Program Files" test ! -e "$folder"
    check "nothing left in the Start menu" test ! -e "$menu"
    check "no .zod file type left" registry_lacks 'HKCR\.zod'
    check "no file type of the program left" registry_lacks 'HKCR\ZelFreeMayanAnimalSign.Reading'
    check "no uninstall entry left" registry_lacks \
        'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Zel Mayan Animal Sign'
    summary+=("Installer tried: installed, started, opened a reading, uninstalled; $checks checks passed")
}

checks=0
check() {
    local what=$1
    shift
    if "$@" >/dev/null 2>&1; then
        checks=$((checks + 1))
        echo "  ok: $what"
    else
        echo "  FAILED: $what" >&2
        exit 1
    fi
}

# shellcheck disable=SC2317 # called through check
registry_lacks() {
    ! wine reg query "$1"
}

# shellcheck disable=SC2317 # called through check
registry_has() {
    wine reg query "$1" /ve 2>/dev/null | tr -d '\r' | grep -qF "$2"
}

# The one setting as the program stores it, the only value of its key: the date, each character
# shifted 14 code points on (the scrambling of the program's settings), written by Qt with an "@"
# doubled at the start.
reminder_date() {
    wine reg query 'HKCU\Software\ZelFreeMayanAnimalSign\OrganizationDefaults\Settings' |
        tr -d '\r' | sed -n 's/.*    REG_SZ    //p' |
        python3 -c '
import sys
value = sys.stdin.read().strip()
value = value[1:] if value.startswith("@@") else value
print("".join(chr(ord(c) - 14) for c in value))'
}

summary=()
outcome=0
steps=("$@")
[ ${#steps[@]} -gt 0 ] || steps=(packages qt build test installer)
for s in "${steps[@]}"; do
    case $s in
        packages) install_packages ;;
        qt) build_qt ;;
        build) build_program ;;
        test) run_tests ;;
        installer) make_installer; try_installer ;;
        *) echo "Unknown step: $s (packages qt build test installer)" >&2; exit 2 ;;
    esac
done
step "Done"
printf '%s\n' "${summary[@]}"
exit "$outcome"
