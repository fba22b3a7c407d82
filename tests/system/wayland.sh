#!/usr/bin/env bash
# The walk of walk.sh natively on Wayland: the program on Qt's wayland platform, with no X server
# in its reach, under Weston. Weston draws into a window of the virtual X server (its x11 backend),
# so that xdotool's key presses and clicks reach it as its seat's keyboard and pointer. The windows
# are read from Weston's scene graph (its debug protocol, which --debug turns on).
#   wayland.sh path/to/program      (the facts in ZEL_* variables, as ctest sets them)
# Screenshots go to $ZEL_WAYLAND_SCREENSHOTS, by default wayland-screenshots in the working folder.

set -u
# shellcheck source=tests/system/walk.sh
source "$(dirname "${BASH_SOURCE[0]}")/walk.sh"
launch=(env -u DISPLAY QT_QPA_PLATFORM=wayland)
# Seen about once in ten ends of a refused second start.
teardown_hang="Qt 6.4's Wayland platform deadlocks now and then as the application object goes, \
the main thread waiting for Qt's Wayland event thread and that one in wl_display_read_events"

# Every top-level window on the screen, one a line: process, id, the window's inside (X Y WIDTH
# HEIGHT, the opaque part within Qt's frame), app id and title, separated by tabs. A surface's
# number may come back for a later window of the process: the id is process, surface and size.
toplevels() {
    timeout 10 weston-debug scene-graph >"$tmp/scene" 2>/dev/null || return 1
    "$python" - "$tmp/scene" <<'EOF'
import re, sys
view = re.compile(r"View \d+ \(role xdg_toplevel, PID (\d+), surface ID (\d+), "
                  r"top-level window '(.*)'(?: of (.*?))?, 0x[0-9a-f]+\):$")
box = r"\((-?\d+), (-?\d+)\) -> \((-?\d+), (-?\d+)\)"
current = None
for line in open(sys.argv[1], encoding="utf-8", errors="replace"):
    line = line.strip()
    if match := view.match(line):
        current, inside = match.groups(), None
    elif current and (match := re.match(r"position: " + box, line)):
        inside = list(map(int, match.groups()))
    elif current and inside and (match := re.match(r"\[opaque: " + box, line)):
        inside = list(map(int, match.groups()))
    elif current and inside and line.startswith("outputs:"):
        pid, surface, title, app_id = current
        x1, y1, x2, y2 = inside
        w, h = x2 - x1, y2 - y1
        print(f"{pid}\t{pid}/{surface}/{w}x{h}\t{x1}\t{y1}\t{w}\t{h}\t{app_id or ''}\t{title}")
        current = None
EOF
}

windows() { toplevels | awk -F'\t' -v OFS='\t' -v pid="$1" '$1 == pid { print $2, $3, $4, $5, $6, $8 }'; }
windows_left() { toplevels | wc -l; }

# Qt draws each window's frame itself: a title bar of 30 pixels above the window's inside, the
# close box at its right end. A click on the title bar makes a window the active one, with the
# keyboard focus. click_title_bar ID X: a click at X, an expression of the window's width w.
click_title_bar() {
    local x y w
    read -r x y w _ < <(place "$1") || return 1
    xdotool mousemove "$((x + $2))" "$((y - 15))" click 1
}
focus() { click_title_bar "$1" 'w / 2' || fail "window $1 is gone"; }
close_window() { click_title_bar "$1" 'w - 10'; }

# A window that Qt hides and shows again gets a new surface, so no id tells a fresh main window
# from the old one shown again.
new_window() { true; }

# Wayland has no way for a window to ask to stay above others: the compositor decides.
check_on_top() { true; }

check_windows() { # PID
    local pid id app title
    while IFS=$'\t' read -r pid id _ _ _ _ app title; do
        [[ $pid != "$1" || $app == "$ZEL_APP_ID" ]] ||
            fail "window '$title' ($id) has the app id '$app', not $ZEL_APP_ID"
    done < <(toplevels)
}

begin_walk wayland "${1:-}" "${ZEL_WAYLAND_SCREENSHOTS:-$PWD/wayland-screenshots}" weston weston-debug
export WAYLAND_DISPLAY=zel-wayland-$$
# No panel, and no on-screen keyboard over the windows whenever a text box has the focus.
printf '[shell]\npanel-position=none\n[input-method]\npath=\n' >"$tmp/weston.ini"
# The pixman renderer draws into memory, as the virtual X server has no graphics card. Weston's
# window leaves a strip of the X screen free below it.
weston --backend=x11-backend.so --use-pixman --width=1280 --height=1000 --idle-time=0 \
    --config="$tmp/weston.ini" --socket="$WAYLAND_DISPLAY" --debug --log="$tmp/weston.log" \
    >/dev/null 2>&1 &
weston=$!
weston_ready() { [[ -S $XDG_RUNTIME_DIR/$WAYLAND_DISPLAY ]] && timeout 5 weston-debug -l &>/dev/null; }
wait_until 20 weston_ready || fail "Weston did not start"
# Weston follows the X pointer by its moves from where it entered Weston's window; the pointer was
# already inside it when the window appeared, so it leaves and enters again.
xdotool mousemove 640 1012 sleep 0.2 mousemove 640 500
ok "Weston on $WAYLAND_DISPLAY in Xvfb's $DISPLAY, screenshots in $shots"
walk
