#!/usr/bin/env bash
# The walk of walk.sh on X11, the program's windows the X server's own:
#   e2e.sh path/to/program      (the facts in ZEL_* variables, as ctest sets them)
# Screenshots of every step go to $ZEL_E2E_SCREENSHOTS, by default e2e-screenshots in the working
# folder. There is no window manager: Qt moves the keyboard focus itself, xdotool windowfocus gives
# it to a window, and a window is closed with the WM_DELETE_WINDOW message a close box sends.

set -u
# shellcheck source=tests/system/walk.sh
source "$(dirname "${BASH_SOURCE[0]}")/walk.sh"

windows() { # PID
    local id
    for id in $(xdotool search --onlyvisible --pid "$1" 2>/dev/null); do
        xwininfo -id "$id" 2>/dev/null | awk -v id="$id" -v OFS='\t' '
            /Window id:/ { title = $0; sub(/^[^"]*"/, "", title); sub(/"$/, "", title) }
            /Absolute upper-left X:/ { x = $NF }
            /Absolute upper-left Y:/ { y = $NF }
            /^ *Width:/ { w = $2 }
            /^ *Height:/ { h = $2 }
            /Map State: IsViewable/ { print id, x, y, w, h, title }'
    done
}

windows_left() {
    local root
    root=$(($(xwininfo -root | awk '/Window id:/ { print $4 }')))
    xdotool search --onlyvisible --name '' 2>/dev/null | grep -cvxF "$root"
}

focus() {
    timeout 5 xdotool windowfocus --sync "$1" || fail "could not give the keyboard focus to window $1"
}

new_window() { [[ $1 != "$2" ]]; }

# Each window's class names the menu entry, for a dock or switcher to match them, and its icon
# comes in every size of the menu entry's icon.
check_windows() { # PID
    local id wm_class icon_sizes
    for id in $(windows "$1" | cut -f1); do
        wm_class=$(xprop -id "$id" WM_CLASS)
        [[ $wm_class == "WM_CLASS(STRING) = \"$(basename "$exe")\", \"$ZEL_APP_ID\"" ]] ||
            fail "window $id's class does not name the menu entry $ZEL_APP_ID: $wm_class"
        # Long enough for all four pictures (a 256 x 256 one alone is 256 KiB).
        icon_sizes=$(xprop -len 1000000 -id "$id" _NET_WM_ICON |
            sed -n 's/.*Icon (\([0-9]*\) x \([0-9]*\)):$/\1x\2/p' | sort -n | tr '\n' ' ')
        [[ $icon_sizes == "32x32 48x48 64x64 256x256 " ]] ||
            fail "window $id's icon has the sizes '$icon_sizes', not 32, 48, 64 and 256"
    done
}

check_on_top() {
    xprop -id "$1" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE ||
        fail "window $1 does not ask to stay on top: $(xprop -id "$1" _NET_WM_STATE)"
    ok "window $1 asks to stay on top"
}

# What a window manager sends when its close box is clicked.
close_window() {
    "$python" - "$1" <<'EOF'
import ctypes, struct, sys
from ctypes import c_char_p, c_int, c_long, c_ulong, c_void_p
x = ctypes.CDLL("libX11.so.6")
x.XOpenDisplay.restype = c_void_p
x.XInternAtom.restype = c_ulong
x.XInternAtom.argtypes = [c_void_p, c_char_p, c_int]
x.XSendEvent.argtypes = [c_void_p, c_ulong, c_int, c_long, c_char_p]
x.XFlush.argtypes = [c_void_p]
display = x.XOpenDisplay(None) or sys.exit("cannot open the display")
window = int(sys.argv[1], 0)
atom = lambda name: x.XInternAtom(display, name, 0)
# An XClientMessageEvent (type 33, format 32, sent at CurrentTime), padded to an XEvent's size.
event = struct.pack("iLiPLLill", 33, 0, 0, 0, window, atom(b"WM_PROTOCOLS"), 32,
                    atom(b"WM_DELETE_WINDOW"), 0).ljust(192, b"\0")
x.XSendEvent(display, window, 0, 0, event) or sys.exit("XSendEvent failed")
x.XFlush(display)
EOF
}

begin_walk e2e "${1:-}" "${ZEL_E2E_SCREENSHOTS:-$PWD/e2e-screenshots}" xwininfo xprop
ok "Xvfb on $DISPLAY, screenshots in $shots"
walk
