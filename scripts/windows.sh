#!/usr/bin/env bash
# Builds the program for 64-bit Windows on this Debian machine, runs its tests under Wine, makes its
# installer and tries that under Wine as a person would.
#   scripts/windows.sh [STEP...]     steps: packages qt build test installer (default: all, in order)
# Building, testing (under cmake/wine-run.sh) and packing are the windows presets'; this script adds
# Qt for Windows, built once from Debian's Qt source into ZEL_WINDOWS_CACHE (default
# ${XDG_CACHE_HOME:-$HOME/.cache}/zel-windows), a display and Wine prefixes, and the installer's try.
# ZEL_WINDOWS_QPA is the tests' Qt platform (offscreen unless told; "windows" shows real windows);
# ZEL_WINDOWS_TESTS is a ctest -R pattern.
# shellcheck source-path=SCRIPTDIR/.. disable=SC2154,SC2317 # the zel_ facts come through eval; run_steps calls the steps
set -Eeuo pipefail
trap 'echo "Stopped: \"$BASH_COMMAND\" failed with status $? (line $LINENO)" >&2' ERR

repo=$(cd "$(dirname "$0")/.." && pwd)
cd "$repo"
# The program's facts as zel_NAME='value' lines: zel_VERSION, zel_DISPLAY_NAME, zel_QT_VERSION…
eval "$(cmake -P cmake/ProgramFacts.cmake 2>&1 >/dev/null)"
source scripts/cross-build.sh
cache=${ZEL_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/zel-windows}
qt_prefix=${ZEL_WINDOWS_QT_PREFIX:-$cache/qt-$zel_QT_VERSION-mingw}
build_dir=$repo/build-windows
jobs=${ZEL_WINDOWS_JOBS:-$(nproc)}
platform=${ZEL_WINDOWS_QPA:-offscreen}
wine64=/usr/lib/wine/wine64

step_packages() {
    step "Debian packages"
    # The cross compiler, Qt's host tools (moc, uic, rcc, lrelease) and what Qt's build runs; Wine,
    # its 32-bit half for the installer, its stand-ins for Windows' interface fonts and a display;
    # NSIS, whose makensis runs on Linux; the X tools that find the program's windows and picture them.
    local packages=(g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 mingw-w64-tools
        cmake ninja-build perl python3 dpkg-dev fonts-dejavu-core
        qt6-base-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
        wine wine64 wine32:i386 fonts-wine nsis xvfb xdotool x11-utils imagemagick)
    local sudo=() host_qt
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    dpkg --print-foreign-architectures | grep -qx i386 || "${sudo[@]}" dpkg --add-architecture i386
    scripts/install-packages.sh "${packages[@]}"
    host_qt=$(dpkg-query -W -f='${Version}' qt6-base-dev)
    [[ $host_qt == "$zel_QT_VERSION"+* ]] ||
        { echo "The host's Qt is $host_qt; the Windows Qt is built from $zel_QT_VERSION" >&2; exit 1; }
}

# Qt for Windows from Debian's qt6-base source, configured by cmake/QtForWindows.cmake.
step_qt() {
    step "Qt $zel_QT_VERSION for Windows"
    if [ "$(cat "$qt_prefix/zel-qt-version" 2>/dev/null)" = "$zel_QT_VERSION" ]; then
        echo "Reusing $qt_prefix"
        return
    fi
    local source=$cache/source/qt6-base-$zel_QT_VERSION qt_build=$cache/qt-build
    if [ ! -f "$source/CMakeLists.txt" ]; then
        step "Fetching Debian's qt6-base source"
        fetch_debian_source "$cache" qt6-base "$zel_QT_VERSION"
    fi
    step "Configuring Qt with the MinGW-w64 toolchain"
    # A build folder that an interrupted or failed build left goes on where it stopped, unless it
    # was made from another source.
    grep -qs "^CMAKE_HOME_DIRECTORY:INTERNAL=$source\$" "$qt_build/CMakeCache.txt" || rm -rf "$qt_build"
    rm -rf "$qt_prefix"
    nice -n 19 cmake -G Ninja -S "$source" -B "$qt_build" -C cmake/QtForWindows.cmake \
        -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/mingw-w64-x86_64.cmake" \
        -DZEL_WINDOWS_QT_PREFIX="$qt_prefix" -DCMAKE_INSTALL_PREFIX="$qt_prefix" \
        >"$cache/qt-configure.log" 2>&1 || { tail -40 "$cache/qt-configure.log"; exit 1; }
    step "Building Qt (log: $cache/qt-build.log)"
    nice -n 19 cmake --build "$qt_build" --parallel "$jobs" >"$cache/qt-build.log" 2>&1 ||
        { tail -40 "$cache/qt-build.log"; exit 1; }
    nice -n 19 cmake --install "$qt_build" >>"$cache/qt-build.log" 2>&1
    # Qt's own translations of its dialogs, where the libraries look for them.
    mkdir -p "$qt_prefix/translations"
    cp /usr/share/qt6/translations/qtbase_*.qm "$qt_prefix/translations/"
    echo "$zel_QT_VERSION" >"$qt_prefix/zel-qt-version"
    echo "Installed: $(du -sh "$qt_prefix" | cut -f1) in $qt_prefix"
    # The build folder (over a gigabyte) and the unpacked source only served to resume a build
    # that stopped; the source packages stay, for a rebuild without a download.
    rm -rf "$qt_build" "$source"
}

# The windows preset, with the Qt above and the tests' platform.
configure() {
    nice -n 19 cmake --preset windows -DZEL_WINDOWS_QT_PREFIX="$qt_prefix" -DZEL_TEST_PLATFORM="$platform" >/dev/null
}

step_build() {
    step "Cross-building the program (cmake --build --preset windows)"
    configure
    nice -n 19 cmake --build --preset windows --parallel "$jobs"
}

# Wine draws its windows, and makes its hidden ones, on an X display: a private Xvfb (which picks a
# free display and names it once it takes clients), ended with the Wine server when the script ends.
# The program and its tests are 64-bit; only the NSIS installer is a 32-bit program, which the 64-bit
# loader hands to the 32-bit one. Some machines refuse 32-bit programs, and Debian's `wine` command,
# which starts the 32-bit loader first, then runs nothing at all: the 32-bit loader is asked first,
# and no_32bit says why it cannot run.
start_wine() {
    [ -z "${xvfb_pid:-}" ] || return 0
    exec {xvfb}< <(exec Xvfb -displayfd 1 -screen 0 1280x1024x24 -nolisten tcp 2>/dev/null)
    xvfb_pid=$!
    trap 'wineserver -k 2>/dev/null || true; kill $xvfb_pid 2>/dev/null || true' EXIT
    read -r DISPLAY <&"$xvfb"
    export DISPLAY=:$DISPLAY WINELOADER=$wine64 WINEDEBUG=${WINEDEBUG:--all,err+module}
    no_32bit=$(/usr/lib/wine/wine --version 2>&1 >/dev/null) || no_32bit=${no_32bit:-"ended with status $?"}
    no_32bit=${no_32bit#*: line *: }
}

wine() { "$wine64" "$@"; }

# A Wine prefix of the script's own, made when missing; when Wine cannot, its messages say why.
use_wine_prefix() {
    export WINEPREFIX=$1
    [ ! -f "$WINEPREFIX/system.reg" ] || return 0
    echo "Making the Wine prefix $WINEPREFIX"
    local log=$cache/wineboot.log
    WINEDEBUG=err+all WINEDLLOVERRIDES=mscoree,mshtml= wine wineboot --init >"$log" 2>&1 || true
    wineserver -w
    [ -f "$WINEPREFIX/system.reg" ] ||
        { echo "Wine made no prefix in $WINEPREFIX; its last messages ($log):" >&2; tail -20 "$log" >&2; exit 1; }
}

# The windows preset's tests in a Wine prefix of the script's own. ctest's JUnit file gives the
# totals and keeps each test's whole output: Qt Test's rows, and why each skipped row was skipped.
step_test() {
    step "Unit tests under Wine (ctest --preset windows, platform $platform)"
    start_wine
    use_wine_prefix "$cache/wine"
    configure
    local junit=$build_dir/wine-tests.xml
    ctest --preset windows --output-junit "$junit" --test-output-size-passed 10000000 \
        --test-output-size-failed 10000000 ${ZEL_WINDOWS_TESTS:+-R "$ZEL_WINDOWS_TESTS"} || outcome=1
    report "Unit tests under Wine: $(junit_totals "$junit"); their output: $junit"
    check "no setting left in the Wine prefix's registry" registry_lacks "HKCU\\Software\\$zel_EXECUTABLE_NAME"
}

# --- The installer, tried as a person on Windows meets it ---------------------------------------

make_installer() {
    step "Installer (cpack --preset windows)"
    cpack --preset windows >"$build_dir/package.log" 2>&1 || { tail -30 "$build_dir/package.log"; exit 1; }
    installer=$(sed -n 's/^CPack: - package: \(.*\) generated\.$/\1/p' "$build_dir/package.log")
    report "Installer: $installer, $(du -k "$installer" | cut -f1) kB"
}

# The first X window titled as the program's windows are whose width passes the given one: the
# main window is 479 pixels wide, the result window 616.
program_window() {
    local wider_than=$1 window width
    for _ in $(seq 120); do
        for window in $(xdotool search --onlyvisible --name "^$zel_DISPLAY_NAME v" 2>/dev/null || true); do
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
width, height, *argb = [int(n) for n in sys.stdin.read().split("=", 1)[1].split(",")]
rgba = b"".join(((p << 8 | p >> 24) & 0xFFFFFFFF).to_bytes(4, "big") for p in argb[:width * height])
header = f"P7\nWIDTH {width}\nHEIGHT {height}\nDEPTH 4\nMAXVAL 255\nTUPLTYPE RGB_ALPHA\nENDHDR\n"
sys.stdout.buffer.write(header.encode() + rgba)' |
        convert pam:- "$screenshots/$name-icon.png"
    icon=$(identify -format %wx%h "$screenshots/$name-icon.png")
    report "$name window: $size pixels, a $icon icon; pictures $screenshots/$name.png, $name-icon.png"
}

# The text a console shows when the installed program runs in it with the given option: Wine's
# console draws it with terminal controls, which go, and wraps it at 80 columns.
console_output() {
    script -qc "$(printf '%q ' "$wine64" cmd /c "$program" "$1")" /dev/null </dev/null |
        sed -e 's/\x1b\[1C/ /g' -e 's/\x1b\[[0-9;?]*[A-Za-z]//g' -e 's/\r//g' | grep -v '^$'
}

# Installs the installer silently in a Wine prefix made anew for a user named José (so that his
# folders have a name outside ASCII), starts the program from the Start menu, opens a saved reading
# from his Documents through the file type as Explorer does, asks the program for --help and
# --version in a console, uninstalls silently and looks for anything left behind.
try_installer() {
    step "Installing under Wine"
    start_wine
    if [ -n "$no_32bit" ]; then
        report "Installer try: SKIPPED, not passed: this machine runs no 32-bit program such as the installer ($no_32bit)"
        return
    fi
    export WINEPREFIX=$cache/wine-installer USER=José LOGNAME=José
    wineserver -k 2>/dev/null || true
    rm -rf "$WINEPREFIX"
    use_wine_prefix "$WINEPREFIX"
    screenshots=${ZEL_WINDOWS_SCREENSHOTS:-$build_dir/screenshots}
    mkdir -p "$screenshots"
    local drive=$WINEPREFIX/drive_c exe=$zel_EXECUTABLE_NAME.exe type=$zel_EXECUTABLE_NAME.Reading
    local home="$drive/users/José" folder="$drive/Program Files/$zel_DISPLAY_NAME"
    local menu="$drive/ProgramData/Microsoft/Windows/Start Menu/Programs/$zel_DISPLAY_NAME"
    [ -d "$home" ] || { echo "Wine made no folder for José: $(ls "$drive/users")" >&2; exit 1; }

    wine "$installer" /S
    wineserver -w
    program="C:\\Program Files\\$zel_DISPLAY_NAME\\$exe"
    check "the program in Program Files" test -f "$folder/$exe"
    report "Installed: $(du -sk "$folder" | cut -f1) kB in $(find "$folder" -type f | wc -l) files"
    check "the uninstaller" test -f "$folder/Uninstall.exe"
    check "Qt's plugins and translations where qt.conf says" test -f "$folder/qt.conf" -a \
        -f "$folder/plugins/platforms/qwindows.dll" -a -f "$folder/translations/qtbase_de.qm"
    check "the Start-menu shortcut" test -f "$menu/$zel_DISPLAY_NAME.lnk"
    check ".zod names the program's file type" registry_has 'HKCR\.zod' "$type"
    check "the file type's open command passes the path" \
        registry_has "HKCR\\$type\\shell\\open\\command" '"%1"'
    check "the file type's icon is the program's" registry_has "HKCR\\$type\\DefaultIcon" "$exe,0"

    step "The installed program"
    wine start "C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs\\$zel_DISPLAY_NAME\\$zel_DISPLAY_NAME.lnk"
    look_at_window "$(program_window 400)" main
    local settings="HKCU\\Software\\$zel_EXECUTABLE_NAME\\OrganizationDefaults\\Settings" stored version
    stored=$(reminder_date "$settings")
    report "Update-reminder date in $settings: $stored"
    check "the reminder date is today's" test "$stored" = "$(date +%F)"
    # Ended as Task Manager ends a program: the next start must not be refused.
    wineserver -k
    sleep 1

    cp tests/fuzz/corpus/savedreading/valid-accented.zod "$home/Documents/José Peña.zod"
    wine start 'C:\users\José\Documents\José Peña.zod'
    look_at_window "$(program_window 600)" result
    wineserver -k
    sleep 1

    version=$(console_output --version)
    report "--version in a console: $version"
    check "--version names the program and its version" test "$version" = "$zel_DISPLAY_NAME $zel_VERSION"
    check "--help shows the usage" grep -q "^Usage: .*$exe \\[options\\] \\[file\\]" \
        <<<"$(console_output --help | tr -d '\n')"

    step "Uninstalling"
    wine "C:\\Program Files\\$zel_DISPLAY_NAME\\Uninstall.exe" /S
    wineserver -w
    check "nothing left in Program Files" test ! -e "$folder"
    check "nothing left in the Start menu" test ! -e "$menu"
    check "no .zod file type left" registry_lacks 'HKCR\.zod'
    check "no file type of the program left" registry_lacks "HKCR\\$type"
    check "no uninstall entry left" registry_lacks \
        "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$zel_DISPLAY_NAME"
    summary+=("Installer tried: installed, started, opened a reading, uninstalled; $checks checks passed")
}

# check WHAT COMMAND...: the command must succeed.
checks=0
check() {
    "${@:2}" >/dev/null 2>&1 || { echo "  FAILED: $1" >&2; exit 1; }
    checks=$((checks + 1))
    echo "  ok: $1"
}

registry_lacks() {
    ! wine reg query "$1"
}

registry_has() {
    wine reg query "$1" /ve 2>/dev/null | tr -d '\r' | grep -qF "$2"
}

# The one setting as the program stores it, the only value of its key: the date, each character
# shifted 14 code points on (the scrambling of the program's settings: "0" to "9" become ">" to "G",
# "-" becomes ";"), written by Qt with its leading "@" doubled.
reminder_date() {
    wine reg query "$1" | tr -d '\r' | sed -n 's/.*    REG_SZ    @\{0,1\}//p' | tr '>-G;' '0-9-'
}

step_installer() {
    make_installer
    try_installer
}

run_steps "packages qt build test installer" "$@"
