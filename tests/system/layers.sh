#!/usr/bin/env bash
# Every file of a layer includes only headers of its own layer and of the layers below it, as the
# link graph in CMake says: base and sign at the bottom, side by side and unaware of each other,
# then savedreading over both, web, widgets, report, ui and app.
set -euo pipefail
cd "$(dirname "$0")/../.."

declare -A allowed=(
    [base]="base"
    [sign]="sign"
    [savedreading]="savedreading sign base"
    [web]="web base"
    [widgets]="widgets web base"
    [report]="report savedreading widgets web base sign"
    [ui]="ui report savedreading widgets web base sign"
    [app]="app ui report savedreading widgets web base sign"
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
# The ground layers stay off the widgets: whatever shows or moves a widget lives in widgets/ or
# higher. A header of Qt's widget module is known by its name in that module's folder.
widgets_headers=$(find /usr/include -path '*/qt6/QtWidgets/Q*' -printf '%f\n' 2>/dev/null | sort -u)
if [ -z "$widgets_headers" ]; then
    echo "FAIL: Qt's widget headers were not found under /usr/include"
    failures=$((failures + 1))
fi
for layer in base sign savedreading web; do
    while IFS=: read -r file line include; do
        header=${include#*<}
        header=${header%%>*}
        if grep -qxF "$header" <<<"$widgets_headers"; then
            echo "FAIL: $file:$line includes $header of Qt's widgets in $layer"
            failures=$((failures + 1))
        fi
    done < <(grep -Hn '^#include <Q' "$layer"/*.h "$layer"/*.cpp 2>/dev/null || true)
    if grep -n 'Qt6::Widgets' "$layer/CMakeLists.txt"; then
        echo "FAIL: $layer/CMakeLists.txt links Qt's widgets"
        failures=$((failures + 1))
    fi
done

[ "$failures" -eq 0 ] && echo "every include stays in its layer or below"
exit $((failures > 0))
