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
# shellcheck source=printing.sh
source "$(dirname "$0")/printing.sh"

failures=0
if ! needs_print_support "$module"; then
    echo "FAIL: the print module $module does not need $print_support" >&2
    failures=$((failures + 1))
fi
for program in "$@"; do
    if needs_print_support "$program"; then
        echo "FAIL: $program needs $print_support at start" >&2
        failures=$((failures + 1))
    fi
done
[ "$failures" -eq 0 ] && echo "only the print module needs $print_support"
exit $((failures > 0))
