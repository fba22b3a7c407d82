# Sourced by the checks of the built, installed and packaged program: Qt's print support belongs
# to the print module alone, which the program loads on its first print, so no start maps it.

print_support=libQt6PrintSupport.so.6

# needs_print_support FILE: FILE lists Qt's print support among the libraries it needs.
needs_print_support() {
    readelf -d "$1" | sed -n 's/.*(NEEDED).*\[\(.*\)\]$/\1/p' | grep -xF "$print_support" >/dev/null
}

# check_print_module WHERE PROGRAM MODULE MODULE_CHECK WORK: the program does not need Qt's print
# support, its module does and loads as the program would load it from its folder. Each fault goes
# to the caller's fail(), naming the tree as WHERE ("installed", "packaged"); WORK is scratch.
check_print_module() {
    local where=$1 program=$2 module=$3 module_check=$4 work=$5
    if [[ -f $program ]] && needs_print_support "$program"; then
        fail "the $where program needs $print_support at start"
    fi
    [[ -f $module ]] || return 0
    needs_print_support "$module" || fail "the $where print module does not need $print_support"
    mkdir -m 700 "$work/module-runtime"
    if ! env -i PATH=/usr/bin:/bin HOME="$work" XDG_RUNTIME_DIR="$work/module-runtime" \
            QT_QPA_PLATFORM=offscreen "$module_check" "$(dirname "$program")" \
            >"$work/module.log" 2>&1; then
        cat "$work/module.log" >&2
        fail "the $where program's print module does not load"
    fi
}
