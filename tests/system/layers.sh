#!/usr/bin/env bash
# Every file of a layer includes only headers of its own layer and of the layers below it, as the
# link graph in CMake says: base and sign at the bottom, side by side and unaware of each other,
# then web, widgets, report, ui and app.
set -euo pipefail
cd "$(dirname "$0")/../.."

declare -A allowed=(
    [base]="base"
    [sign]="sign"
    [web]="web base"
    [widgets]="widgets web base"
    [report]="report widgets web base sign"
    [ui]="ui report widgets web base sign"
    [app]="app ui report widgets web base sign"
)

failures=0
for layer in "${!allowed[@]}"; do
    while IFS=: read -r file line include; do
        target=${include#*\"}
        target=${target%%/*}
        if [[ " ${allowed[$layer]} " != *" $target "* ]]; then
            echo "FAIL: $file:$line includes a header of $target, above or beside $layer"
            failures=$((failures + 1))
        fi
    done < <(grep -Hn '^#include "[a-z]*/' "$layer"/*.h "$layer"/*.cpp "$layer"/*.ui 2>/dev/null || true)
    # The forms name their custom widgets' headers too.
    while IFS=: read -r file line header; do
        target=${header#*<header>}
        target=${target%%/*}
        if [[ " ${allowed[$layer]} " != *" $target "* ]]; then
            echo "FAIL: $file:$line uses a widget of $target, above or beside $layer"
            failures=$((failures + 1))
        fi
    done < <(grep -Hno '<header>[a-z]*/' "$layer"/*.ui 2>/dev/null || true)
done
[ "$failures" -eq 0 ] && echo "every include stays in its layer or below"
exit $((failures > 0))
