#!/usr/bin/env bash
# ctest's emulator for the windows preset's test programs, whose other Wine settings are the
# windows test preset's: cmake/wine-run.sh QT_PREFIX PROGRAM.exe [ARGUMENT...]
# Wine finds the Qt libraries of QT_PREFIX (Qt finds its plugins beside them) and MinGW's run time on
# WINEPATH. The Wine prefix is scripts/windows.sh's, unless the environment names another.
set -euo pipefail

triple=x86_64-w64-mingw32
runtime=$(dirname "$("$triple-g++-posix" -print-file-name=libstdc++-6.dll)")
path=
for folder in "$1/bin" "$runtime" "/usr/$triple/lib"; do
    path+="Z:${folder//\//\\};"
done
shift
export WINEPATH=${path%;}${WINEPATH:+;$WINEPATH}
export WINEPREFIX=${WINEPREFIX:-${ZEL_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/zel-windows}/wine}

# Wine hands no QT_* variable to Windows programs (those are meant for Linux's Qt); it hands
# WINEQT_* on under the name without "WINE". The tests' own QT_* settings go that way.
for name in $(compgen -e); do
    [[ $name != QT_* ]] || export "WINE$name=${!name}"
done

# Debian's 64-bit loader, as the test programs are 64-bit: Debian's `wine` command starts the 32-bit
# one first, which machines that refuse 32-bit programs cannot run ("Exec format error").
export WINELOADER=/usr/lib/wine/wine64
exec "$WINELOADER" "$@"
