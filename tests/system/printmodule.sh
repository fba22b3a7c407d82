#!/usr/bin/env bash
# Qt's print support stays out of every start: the programs given do not list it among the
# libraries they need (so the loader never maps and relocates it), and the print module, which
# the program loads on its first print, does.
#
# Usage: tests/system/printmodule.sh MODULE PROGRAM...
set -euo pipefail

if [[ $# -lt 2 ]]; then
    echo "usage: $0 MODULE PROGRAM..." >&2
    exit 2
fi
module=$1
shift
library=libQt6PrintSupport.so.6

needed() {
    readelf -d "$1" | sed -n 's/.*(NEEDED).*\[\(.*\)\]$/\1/p'
}

failures=0
if ! needed "$module" | grep -xF "$library" >/dev/null; then
    echo "FAIL: the print module $module does not need $library" >&2
    failures=$((failures + 1))
fi
for program in "$@"; do
    if needed "$program" | grep -xF "$library" >/dev/null; then
        echo "FAIL: $program needs $library at start" >&2
        failures=$((failures + 1))
    fi
done
[ "$failures" -eq 0 ] && echo "only the print module needs $library"
exit $((failures > 0))
