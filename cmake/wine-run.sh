#!/usr/bin/env bash
# Runs a Windows program of the windows preset under Wine: ctest's emulator for its test programs.
#   cmake/wine-run.sh QT_PREFIX PROGRAM.exe [ARGUMENT...]
# QT_PREFIX is the folder of the Qt libraries for Windows; they, MinGW's run-time libraries and the
# Qt plugins are found from there. Unless the environment names others, the Wine prefix is the
# one scripts/windows.sh makes in its cache folder, never the user's ~/.wine.
set -euo pipefail

qt_prefix=$1
shift

windows_path() {
    printf 'Z:%s' "${1//\//\\}"
}

export WINEPREFIX=${WINEPREFIX:-${ZEL_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/zel-windows}/wine}
export WINEARCH=win64
export WINEDEBUG=${WINEDEBUG:--all}
# No Mono or Gecko to offer to install: no test needs them.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}

triple=x86_64-w64-mingw32
gcc_runtime=$(dirname "$("$triple-g++-posix" -print-file-name=libstdc++-6.dll)")
WINEPATH="$(windows_path "$qt_prefix/bin");$(windows_path "$gcc_runtime");$(windows_path "/usr/$triple/lib")${WINEPATH:+;$WINEPATH}"
export WINEPATH

# Wine hands no QT_* variable to Windows programs (those are meant for Linux's Qt); it hands
# WINEQT_* on under the name without "WINE". The tests' own QT_* settings go that way.
for name in $(compgen -e); do
    case $name in
        QT_*) export "WINE$name=${!name}" ;;
    esac
done
export WINEQT_PLUGIN_PATH
WINEQT_PLUGIN_PATH=$(windows_path "$qt_prefix/plugins")
# Qt's offscreen platform on Windows reads the fonts of one folder, Qt's lib/fonts unless told
# otherwise, and a Qt build puts none there: DejaVu, the program's stand-in for Verdana.
export WINEQT_QPA_FONTDIR=${QT_QPA_FONTDIR:-$(windows_path /usr/share/fonts/truetype/dejavu)}
# Without a console window (Wine gives none when the output is not a terminal) Qt Test's plain
# output and Qt's messages go to the debugger alone: to stdout and stderr instead.
export WINEQT_FORCE_STDERR_LOGGING=1

exec wine "$@"
