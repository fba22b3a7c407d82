#!/usr/bin/env bash
# Every file of a layer includes only headers of its own layer and of the layers below it, as the
# link graph in CMake says: base and sign at the bottom, side by side and unaware of each other,
# then savedreading over both, web, widgets, report, ui and app. The forms name their custom
# widgets' headers too.
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

failed=0
problem() {
    echo "FAIL: $*"
    failed=1
}
for layer in "${!allowed[@]}"; do
    while IFS=: read -r file line target; do
        target=${target#*[\">]}
        target=${target%/}
        [[ " ${allowed[$layer]} " == *" $target "* ]] ||
            problem "$file:$line names a header of $target, above or beside $layer"
    done < <(grep -HnoE '^#include "[a-z]*/|<header>[a-z]*/' "$layer"/*.{h,cpp,ui} 2>/dev/null || true)
done
# The ground layers stay off the widgets: whatever shows or moves a widget lives in widgets/ or
# higher. A header of Qt's widget module is known by its name in that module's folder.
widgets_headers=$(find /usr/include -path '*/qt6/QtWidgets/Q*' -printf '%f\n' 2>/dev/null |
    sort -u | paste -sd'|')
[[ -n $widgets_headers ]] || problem "Qt's widget headers were not found under /usr/include"
for layer in base sign savedreading web; do
    if grep -HnE "^#include <($widgets_headers)>" "$layer"/*.{h,cpp} 2>/dev/null; then
        problem "$layer includes Qt's widgets (above)"
    fi
    if grep -n 'Qt6::Widgets' "$layer/CMakeLists.txt"; then
        problem "$layer/CMakeLists.txt links Qt's widgets"
    fi
done

((failed)) || echo "every include stays in its layer or below"
exit "$failed"
