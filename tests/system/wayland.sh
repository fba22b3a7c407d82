#!/usr/bin/env bash
# The program on Wayland, natively (Qt's wayland platform, no X server anywhere): under a headless
# Weston its windows appear with the menu entry's app id, a saved reading named on the command
# line opens and Find shows the result window, and a file that is no saved reading gets its
# message box.
#
#   wayland.sh path/to/ZelFreeMayanAnimalSign
#
# What the compositor sees is read from Weston's own scene graph (its debug protocol, which
# --debug turns on): each window's role, process, title, app id and size. Screenshots of every
# step go to $ZEL_WAYLAND_SCREENSHOTS, by default wayland-screenshots in the working folder.
#
# Headless Weston has no input devices, so nothing is typed: Find runs at the end of opening the
# reading given on the command line, as it does after the Open button.

set -u

exe=${1:?usage: wayland.sh path/to/ZelFreeMayanAnimalSign}
[[ $exe == /* ]] || exe=$PWD/$exe
# shellcheck source=tests/system/session.sh
source "$(dirname "${BASH_SOURCE[0]}")/session.sh"
shots=${ZEL_WAYLAND_SCREENSHOTS:-$PWD/wayland-screenshots}
python=/usr/bin/python3

app_id=example.velmora.ZelMayanAnimalSign
caption="Zel Mayan Animal Sign v1.05"
box_title="Zel Mayan Animal Sign"
# Client widths of the main and result windows; Qt's own window frame adds a few pixels.
main_width=479
result_width=616
frame_allowance=16

tmp=""
weston=""
app=""

ok() { echo "ok: $*"; }

fail() {
    echo "FAIL: $*"
    [[ -n $tmp && -f $tmp/scene ]] && { echo "---- last scene graph ----"; cat "$tmp/scene"; }
    local f
    for f in "$tmp"/*.err "$tmp"/weston.log; do
        [[ -s $f ]] && { echo "---- $(basename "$f") ----"; tail -n 30 "$f"; }
    done
    exit 1
}

cleanup() {
    local rc=$?
    stop_process "$app"
    stop_process "$weston"
    [[ -n $tmp ]] && rm -rf "$tmp"
    exit "$rc"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

# The top-level windows of process PID as Weston shows them, one a line: width, height, app id
# and title, separated by tabs.
toplevels() {
    timeout 10 weston-debug scene-graph >"$tmp/scene" 2>/dev/null || return 1
    "$python" - "$1" "$tmp/scene" <<'EOF'
import re, sys
pid, path = sys.argv[1], sys.argv[2]
view = re.compile(r"View \d+ \(role xdg_toplevel, PID (\d+), surface ID \d+, "
                  r"top-level window '(.*)'(?: of (.*?))?, 0x[0-9a-f]+\):$")
position = re.compile(r"position: \((-?\d+), (-?\d+)\) -> \((-?\d+), (-?\d+)\)")
current = None
for line in open(path, encoding="utf-8", errors="replace"):
    line = line.strip()
    match = view.match(line)
    if match:
        current = match.groups() if match.group(1) == pid else None
        continue
    match = position.match(line)
    if current and match:
        x1, y1, x2, y2 = map(int, match.groups())
        print(f"{x2 - x1}\t{y2 - y1}\t{current[2] or ''}\t{current[1]}")
        current = None
EOF
}

# has_window PID TITLE CLIENT_WIDTH: the process shows a window of that title whose width is the
# client width plus at most the frame.
has_window() {
    local width height id title
    while IFS=$'\t' read -r width height id title; do
        [[ $title == "$2" ]] || continue
        ((width >= $3 && width <= $3 + frame_allowance)) && return 0
    done < <(toplevels "$1")
    return 1
}

window_count() { toplevels "$1" | wc -l; }

# Every window of the process carries the menu entry's app id.
check_app_ids() {
    local width height id title
    while IFS=$'\t' read -r width height id title; do
        [[ $id == "$app_id" ]] || fail "window '$title' has the app id '$id', not $app_id"
    done < <(toplevels "$1")
}

shot() {
    (cd "$shots" && timeout 10 weston-screenshooter >/dev/null 2>&1) || {
        echo "note: no screenshot for $1"
        return 0
    }
    local newest
    newest=$(ls -t "$shots"/wayland-screenshot-*.png 2>/dev/null | head -n 1)
    [[ -n $newest ]] && mv "$newest" "$shots/$1.png"
}

start_program() { # NAME [ARGUMENT...]
    local name=$1
    shift
    QT_QPA_PLATFORM=wayland "$exe" "$@" 2>"$tmp/$name.err" &
    app=$!
}

# --- set-up ----------------------------------------------------------------------------------

start_session wayland "$exe" "$shots" weston weston-debug weston-screenshooter "$python"
# Nothing may lead Qt to an X server or a desktop session's settings.
unset DISPLAY QT_QPA_PLATFORMTHEME QT_STYLE_OVERRIDE QT_WAYLAND_DECORATION XAUTHORITY \
    XDG_CURRENT_DESKTOP XDG_SESSION_TYPE DESKTOP_SESSION DBUS_SESSION_BUS_ADDRESS
export LC_ALL=C.UTF-8
export WAYLAND_DISPLAY=zel-wayland-$$

# The pixman renderer draws into memory, so that screenshots can be taken.
weston --backend=headless-backend.so --use-pixman --width=1024 --height=768 --idle-time=0 \
    --socket="$WAYLAND_DISPLAY" --debug --log="$tmp/weston.log" >/dev/null 2>&1 &
weston=$!
socket_ready() { [[ -S $XDG_RUNTIME_DIR/$WAYLAND_DISPLAY ]] && timeout 5 weston-debug -l >/dev/null 2>&1; }
wait_until 20 socket_ready || fail "Weston did not start"
ok "headless Weston on $WAYLAND_DISPLAY, screenshots in $shots"

# --- 1. a plain start: the main window, named after the menu entry ---------------------------

start_program first
main_shown() { has_window "$app" "$caption" "$main_width"; }
wait_until 30 main_shown || fail "the main window did not appear"
sleep 1
(($(window_count "$app") == 1)) || fail "a first start showed more than the main window"
check_app_ids "$app"
shot 1-main
ok "main window shown natively on Wayland, app id $app_id"
stop_process "$app"
app=""

# --- 2. a saved reading on the command line: Find shows the result window --------------------

reading=$HOME/ana.zod
# Ana, March 7, 1990: each byte moved up by 14, every line ended by CR LF.
"$python" - "$reading" <<'EOF'
import sys
lines = ["Ana", "March", "7", "1990"]
with open(sys.argv[1], "wb") as f:
    for line in lines:
        f.write(bytes(b + 14 for b in line.encode()) + b"\r\n")
EOF
start_program reading "$reading"
result_only() {
    has_window "$app" "$caption" "$result_width" && (($(window_count "$app") == 1))
}
wait_until 30 result_only || fail "opening $reading did not leave the result window alone on screen"
check_app_ids "$app"
shot 2-result
ok "the reading given on the command line opened: result window, main window closed"
stop_process "$app"
app=""

# --- 3. a file that is no saved reading: the main window and the message box ------------------

printf 'not a reading\r\n' >"$HOME/junk.zod"
start_program junk "$HOME/junk.zod"
# The box's width depends on its text: only its title is checked.
box_shown() {
    local width height id title found_box=no
    while IFS=$'\t' read -r width height id title; do
        [[ $title == "$box_title" ]] && found_box=yes
    done < <(toplevels "$app")
    [[ $found_box == yes ]] && has_window "$app" "$caption" "$main_width"
}
wait_until 30 box_shown || fail "a file that is no saved reading did not bring the message box over the main window"
check_app_ids "$app"
shot 3-check-the-file
ok "a file that is no saved reading: message box \"$box_title\" over the main window"

echo "ok: all steps passed"
