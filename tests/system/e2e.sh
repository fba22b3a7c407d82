#!/usr/bin/env bash
# The program used as a person uses it: a real X server (Xvfb), real key presses and mouse
# clicks (xdotool), from the first start to the exit appeal window's Exit (the report saved as a
# reading and as a PDF on the way), and once more with the saved reading named on the command
# line, as a file manager starts it.
#
#   e2e.sh path/to/ZelFreeMayanAnimalSign
#
# Screenshots of every step go to $ZEL_E2E_SCREENSHOTS, by default e2e-screenshots in the
# working folder (the CTest build folder when run by ctest). The addresses the program opens are
# caught by a stand-in xdg-open, so no browser starts.
#
# There is no window manager: Qt then moves the keyboard focus itself, xdotool windowfocus gives
# it to a window, and a window is closed the way a window manager's close box does it, with a
# WM_DELETE_WINDOW message sent to the window.

set -u

exe=${1:?usage: e2e.sh path/to/ZelFreeMayanAnimalSign}
[[ $exe == /* ]] || exe=$PWD/$exe
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=tests/system/session.sh
source "$here/session.sh"
site=${ZEL_E2E_SITE:-http://www.velmora.example}
shots=${ZEL_E2E_SCREENSHOTS:-$PWD/e2e-screenshots}
python=/usr/bin/python3

caption="Zel Mayan Animal Sign v1.05"
# The menu entry's name, which the windows' class must carry for a dock or switcher to match them.
app_id=example.velmora.ZelMayanAnimalSign
box_title="Zel Mayan Animal Sign"
save_title="Save Your Zodiac Signs Result ...."
open_title="Select the source file"

# What is typed, and what the program must give back.
name=Ana
month=March
day=7
year=1990
your_email=ana@example.org
friend_name=Ben
friend_email=ben@example.org

tmp=""
xvfb=""
app=""
second=""
shot_count=0

# --- reporting and clean-up ------------------------------------------------------------------

ok() { echo "ok: $*"; }

dump_stderr() {
    local f
    for f in "$tmp"/*.err; do
        [[ -e $f ]] || continue
        echo "---- $(basename "$f" .err) stderr ----"
        if [[ -s $f ]]; then cat "$f"; else echo "(empty)"; fi
    done
}

fail() {
    echo "FAIL: $*"
    shot "failure"
    dump_stderr
    exit 1
}

shot() {
    [[ -n ${DISPLAY:-} ]] || return 0
    shot_count=$((shot_count + 1))
    local file
    file=$(printf '%s/%02d-%s.png' "$shots" "$shot_count" "$1")
    import -window root "$file" 2>/dev/null || echo "note: no screenshot $file"
}

cleanup() {
    local rc=$?
    stop_process "$second"
    stop_process "$app"
    stop_process "$xvfb"
    [[ -n $tmp ]] && rm -rf "$tmp"
    exit "$rc"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

# --- windows ---------------------------------------------------------------------------------

visible_windows() { xdotool search --onlyvisible --pid "$1" 2>/dev/null; }

is_visible() { xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'; }

window_size() { xdotool getwindowgeometry "$1" 2>/dev/null | awk '/Geometry:/ { print $2 }'; }

# find_window PID TITLE WIDTH HEIGHT [EXTRA]: sets $found to the visible window of PID with that
# exact title and width whose height lies between HEIGHT and HEIGHT+EXTRA (room for a menu bar,
# whose height depends on the font).
found=""
find_window() {
    local pid=$1 title=$2 width=$3 height=$4 extra=${5:-0} id size w h
    for id in $(visible_windows "$pid"); do
        [[ $(xdotool getwindowname "$id" 2>/dev/null) == "$title" ]] || continue
        size=$(window_size "$id")
        w=${size%x*}
        h=${size#*x}
        [[ $w == "$width" ]] || continue
        ((h >= height && h <= height + extra)) || continue
        found=$id
        return 0
    done
    return 1
}

find_titled() {
    local pid=$1 title=$2 id
    for id in $(visible_windows "$pid"); do
        if [[ $(xdotool getwindowname "$id" 2>/dev/null) == "$title" ]]; then
            found=$id
            return 0
        fi
    done
    return 1
}

find_main() { find_window "$app" "$caption" 479 273 60; }
find_result() { find_window "$app" "$caption" 616 377 60; }
find_report() { find_window "$app" "$caption" 515 524; }
find_appeal() { find_window "$app" "$caption" 741 315; }

window_count() { visible_windows "$1" | wc -l; }

focus() {
    timeout 5 xdotool windowfocus --sync "$1" || fail "could not give the keyboard focus to window $1"
}

keys() { xdotool key --delay 60 "$@"; }
type_text() { xdotool type --delay 40 -- "$1"; }

# What a window manager sends when its close box is clicked.
close_window() {
    "$python" - "$1" <<'EOF'
import ctypes, sys
x = ctypes.cdll.LoadLibrary("libX11.so.6")
x.XOpenDisplay.restype = ctypes.c_void_p
x.XOpenDisplay.argtypes = [ctypes.c_char_p]
x.XInternAtom.restype = ctypes.c_ulong
x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
x.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                         ctypes.c_void_p]
x.XFlush.argtypes = [ctypes.c_void_p]
x.XCloseDisplay.argtypes = [ctypes.c_void_p]

class ClientMessage(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong),
                ("message_type", ctypes.c_ulong), ("format", ctypes.c_int),
                ("data", ctypes.c_long * 5)]

class XEvent(ctypes.Union):
    _fields_ = [("xclient", ClientMessage), ("pad", ctypes.c_long * 24)]

display = x.XOpenDisplay(None)
if not display:
    sys.exit("cannot open the display")
window = int(sys.argv[1], 0)
event = XEvent()
event.xclient.type = 33  # ClientMessage
event.xclient.window = window
event.xclient.message_type = x.XInternAtom(display, b"WM_PROTOCOLS", 0)
event.xclient.format = 32
event.xclient.data[0] = x.XInternAtom(display, b"WM_DELETE_WINDOW", 0)
event.xclient.data[1] = 0  # CurrentTime
if not x.XSendEvent(display, window, 0, 0, ctypes.byref(event)):
    sys.exit("XSendEvent failed")
x.XFlush(display)
x.XCloseDisplay(display)
EOF
}

# A picture of a window as it looks active and without the pointer over it, so that two pictures
# of the same content compare equal.
capture_window() { # WINDOW FILE
    xdotool mousemove 0 0
    focus "$1"
    steady_capture "$1" "$2"
}

# A window's picture once two captures in a row agree: repainting has finished.
steady_capture() { # WINDOW FILE
    local previous=$tmp/previous-capture.png
    rm -f "$previous"
    same_twice() {
        import -window "$1" "$2" 2>/dev/null || return 1
        if [[ -f $previous ]] && [[ $(compare -metric AE "$previous" "$2" null: 2>&1) == 0 ]]; then
            return 0
        fi
        cp "$2" "$previous"
        return 1
    }
    wait_until 10 same_twice "$1" "$2" || fail "window $1 did not settle to a steady picture"
}

url_count() {
    if [[ -f $ZEL_E2E_URL_LOG ]]; then
        wc -l <"$ZEL_E2E_URL_LOG"
    else
        echo 0
    fi
}
urls_at_least() { (($(url_count) >= $1)); }

# --- checks of the program's output ----------------------------------------------------------

# A saved reading: one line per field, each byte moved up by 14, every line ended by CR LF.
check_saved_reading() {
    "$python" - "$1" "$name" "$month" "$day" "$year" <<'EOF'
import sys
data = open(sys.argv[1], "rb").read()
fields = sys.argv[2:]
problems = []
if data.count(b"\r") != 4 or data.count(b"\n") != 4 or data.count(b"\r\n") != 4:
    problems.append("expected exactly 4 CR LF line ends and no other CR or LF")
if not data.endswith(b"\r\n"):
    problems.append("the last line has no CR LF")
lines = data.split(b"\r\n")[:-1]
if len(lines) != len(fields):
    problems.append("expected %d lines, found %d" % (len(fields), len(lines)))
for line, field in zip(lines, fields):
    decoded = bytes(b - 14 for b in line if b >= 14)
    if len(decoded) != len(line) or decoded.decode("latin-1") != field:
        problems.append("line %r does not unscramble to %r" % (line, field))
if problems:
    print("; ".join(problems) + " (file bytes: %r)" % data)
    sys.exit(1)
EOF
}

check_referral() {
    "$python" - "$1" "$site" "$name" "$your_email" "$friend_name" "$friend_email" <<'EOF'
import sys, urllib.parse
url, site, name, email, friend, friend_email = sys.argv[1:]
prefix = "%s/zelvs-refer-a-friend.php?taf1=%s&taf2=%s" % (
    site, urllib.parse.quote(name, safe=""), urllib.parse.quote(email, safe=""))
problems = []
if not url.startswith(prefix):
    problems.append("does not start with %s" % prefix)
query = urllib.parse.urlsplit(url).query
pairs = urllib.parse.parse_qsl(query, keep_blank_values=True, strict_parsing=True)
expected = [("taf1", name), ("taf2", email), ("taf3", "Your Message\r\n"), ("taf4", friend),
            ("taf5", friend_email), ("taf6", site + "/zel-free-mayan-animal-sign")]
if pairs != expected:
    problems.append("query decodes to %r, expected %r" % (pairs, expected))
if "@" in query or " " in query:
    problems.append("values are not percent-encoded")
if problems:
    print("; ".join(problems))
    sys.exit(1)
EOF
}

# Where to click on the first link of the report: the middle of the first long run of the link
# colour (its underline), a few pixels up into the letters.
find_link_point() {
    local png=$1
    convert "$png" -crop 511x409+2+32 +repage txt:- 2>/dev/null |
        awk -F'[,: ]+' '/#0000FF/ {
                y = $2; x = $1
                if (!(y in n)) { n[y] = 0; lo[y] = x; hi[y] = x }
                n[y]++
                if (x < lo[y]) lo[y] = x
                if (x > hi[y]) hi[y] = x
            }
            END {
                best = -1
                for (y in n) if (n[y] >= 40 && (best < 0 || y + 0 < best)) best = y + 0
                if (best < 0) exit 1
                print 2 + int((lo[best] + hi[best]) / 2), 32 + best - 4
            }'
}

# exit_from_appeal WINDOW WHAT: Exit (Alt+X) on the appeal window must end the program, status 0.
exit_from_appeal() {
    local status
    focus "$1"
    keys alt+x
    wait_until 10 ended "$app" || fail "Exit on the appeal window did not end the program"
    wait "$app"
    status=$?
    app=""
    ((status == 0)) || fail "$2 ended with status $status"
}

# --- set-up ----------------------------------------------------------------------------------

start_session e2e "$exe" "$shots" Xvfb xdotool xwininfo xprop import convert "$python" pdfinfo \
    pdftotext pdftoppm
mkdir -p "$tmp/bin"
cp "$here/stand-in-xdg-open" "$tmp/bin/xdg-open" && chmod 755 "$tmp/bin/xdg-open"
export PATH=$tmp/bin:$PATH
export ZEL_E2E_URL_LOG=$tmp/urls.log
settings=$XDG_CONFIG_HOME/ZelFreeMayanAnimalSign.conf

# The windows must be real X windows, and nothing of a desktop session may pick the file dialog
# or the browser.
unset QT_QPA_PLATFORM QT_QPA_PLATFORMTHEME QT_STYLE_OVERRIDE WAYLAND_DISPLAY XAUTHORITY \
    XDG_CURRENT_DESKTOP XDG_SESSION_TYPE DESKTOP_SESSION KDE_FULL_SESSION \
    GNOME_DESKTOP_SESSION_ID BROWSER SESSION_MANAGER DBUS_SESSION_BUS_ADDRESS
export LC_ALL=C.UTF-8

# Xvfb picks a free display number itself and writes it once it accepts clients. It must not
# reset when the last client leaves: the program is started once more after it has ended.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -s 0 -noreset 3>"$tmp/display" 2>"$tmp/xvfb.err" &
xvfb=$!
display_ready() { [[ -s $tmp/display ]] || { ended "$xvfb" && return 0; return 1; }; }
wait_until 20 display_ready || fail "Xvfb did not start"
[[ -s $tmp/display ]] || fail "Xvfb ended: $(cat "$tmp/xvfb.err")"
DISPLAY=:$(tr -d '[:space:]' <"$tmp/display")
export DISPLAY
ok "Xvfb on $DISPLAY, screenshots in $shots"

# File dialogs open in the working folder: the new home keeps them small.
cd "$HOME" || fail "cannot enter $HOME"

# --- 1. first start --------------------------------------------------------------------------

"$exe" 2>"$tmp/first.err" &
app=$!
wait_until 20 find_main || fail "the main window did not appear"
main=$found
shot "first-start"
more_than_one_window() { (($(window_count "$app") > 1)); }
if wait_until 2 more_than_one_window; then
    fail "a first start showed another window besides the main window"
fi
[[ -s $settings ]] || fail "no settings were stored in $settings"
ok "first start: main window $main, no question asked, settings stored"

wm_class=$(xprop -id "$main" WM_CLASS)
[[ $wm_class == "WM_CLASS(STRING) = \"$(basename "$exe")\", \"$app_id\"" ]] ||
    fail "the main window's class does not name the menu entry $app_id: $wm_class"
# Long enough for all four pictures (a 256 x 256 one alone is 256 KiB).
icon_sizes=$(xprop -len 1000000 -id "$main" _NET_WM_ICON |
    sed -n 's/.*Icon (\([0-9]*\) x \([0-9]*\)):$/\1x\2/p' | sort -n | tr '\n' ' ')
[[ $icon_sizes == "32x32 48x48 64x64 256x256 " ]] ||
    fail "the main window's icon has the sizes '$icon_sizes', not 32, 48, 64 and 256"
ok "$wm_class; icon sizes $icon_sizes"

# --- 2. second instance ----------------------------------------------------------------------

# second_start_refused NAME WINDOW [ARGUMENT...]: another start shows only the message box, ends
# with status 0 after OK, and leaves the first instance and its WINDOW as they were.
second_start_refused() {
    local name=$1 window=$2 box status
    shift 2
    "$exe" "$@" 2>"$tmp/$name.err" &
    second=$!
    find_box() { find_titled "$second" "$box_title"; }
    wait_until 20 find_box || fail "$name showed no \"$box_title\" message box"
    box=$found
    shot "$name"
    (($(window_count "$second") == 1)) || fail "$name showed more than its message box"
    focus "$box"
    keys Return
    other_window=""
    second_done() {
        local id
        for id in $(visible_windows "$second"); do
            [[ $id == "$box" ]] || other_window=$id
        done
        ended "$second"
    }
    wait_until 10 second_done || fail "$name did not end after OK"
    wait "$second"
    status=$?
    second=""
    [[ -z $other_window ]] || fail "$name showed window $other_window after OK"
    ((status == 0)) || fail "$name ended with status $status"
    ended "$app" && fail "the first instance ended"
    is_visible "$window" || fail "the first instance's window $window is gone"
}

second_start_refused second-instance "$main"
ok "second start: message box, ended with status 0 after OK, first one still running"

# --- 3. find a sign with the keyboard --------------------------------------------------------

focus "$main"
type_text "$name"
keys Tab m Tab "$day" Tab
type_text "$year"
keys Tab space
result_instead_of_main() { ! is_visible "$main" && find_result; }
wait_until 10 result_instead_of_main || fail "Find did not replace the main window by the result"
result=$found
shot "result"
capture_window "$result" "$tmp/result-found.png"
ok "Find: result window $result, main window closed"

# --- 4. report and its link ------------------------------------------------------------------

focus "$result"
keys alt+p
wait_until 10 find_report || fail "Print did not open the report window"
report=$found
steady_capture "$report" "$tmp/report.png"
shot "report"
point=$(find_link_point "$tmp/report.png") || fail "no link in the link colour in the report"
read -r link_x link_y <<<"$point"
xdotool mousemove --window "$report" "$link_x" "$link_y" click 1
wait_until 10 urls_at_least 1 || fail "clicking the report's link at $link_x,$link_y opened nothing"
if wait_until 2 urls_at_least 2; then
    fail "one click opened $(url_count) addresses: $(tr '\n' ' ' <"$ZEL_E2E_URL_LOG")"
fi
opened=$(sed -n 1p "$ZEL_E2E_URL_LOG")
[[ $opened == "$site" ]] || fail "the report's link opened \"$opened\", not \"$site\""
ok "report window $report; its link at $link_x,$link_y opened $opened once"

# --- 5. save, back, open ---------------------------------------------------------------------

# Opens the report's Save dialog and types the name into it; the dialog's window is in $dialog.
type_into_save_dialog() { # NAME
    focus "$report"
    keys alt+s
    find_save() { find_titled "$app" "$save_title"; }
    wait_until 10 find_save || fail "Save did not show the \"$save_title\" dialog"
    dialog=$found
    focus "$dialog"
    type_text "$1"
}

save_reading() { # FILE
    type_into_save_dialog "$1"
    shot "save-dialog"
    keys Return
    saved() { [[ -s $1 ]] && ! is_visible "$dialog"; }
    wait_until 10 saved "$1" || fail "the reading was not saved to $1"
}

close_report() {
    close_window "$report" || fail "could not ask the report window to close"
    report_closed() { ! is_visible "$report"; }
    wait_until 10 report_closed || fail "the report window did not close from its close box"
    is_visible "$result" || fail "closing the report closed the result window too"
}

saved_file=$HOME/ana.zod
save_reading "$saved_file"
problem=$(check_saved_reading "$saved_file") || fail "saved reading: $problem"
ok "saved $saved_file: 4 CR LF lines that unscramble to $name, $month, $day, $year"

# The report as a PDF through the same dialog: a name without a suffix, and the second file type,
# which Tab reaches from the name box.
save_pdf() { # NAME
    type_into_save_dialog "$1"
    keys Tab Down shift+Tab
    shot "save-dialog-pdf"
    keys Return
    pdf_saved() { [[ -s $HOME/$1.pdf ]] && ! is_visible "$dialog"; }
    wait_until 10 pdf_saved "$1" || fail "the report was not saved to $HOME/$1.pdf"
}

pdf_file=$HOME/ana-report.pdf
save_pdf ana-report
pdf_title=$(pdfinfo "$pdf_file" | sed -n 's/^Title: *//p')
[[ $pdf_title == "$box_title - $name" ]] || fail "the PDF's title is \"$pdf_title\""
# The C locale measures in metric units.
pdfinfo "$pdf_file" | grep -q '^Page size: .*(A4)' || fail "the PDF's pages are not A4"
pdftotext "$pdf_file" - | grep -q "^Name: $name\$" || fail "the PDF's text lacks \"Name: $name\""
pdftoppm -png -r 60 -f 1 -l 1 -singlefile "$pdf_file" "$shots/report-pdf" ||
    fail "pdftoppm could not draw the PDF's first page"
ok "saved $pdf_file through the PDF file type: titled \"$pdf_title\", A4, its text selectable"

# Single instance holds for a start with a file too: the file is not opened anywhere.
second_start_refused second-instance-with-file "$report" "$saved_file"
ok "second start with $saved_file: refused the same way; the first instance unchanged"

close_report
ok "the report closed from its close box; the result window stays"

focus "$result"
keys alt+b
fresh_main() { ! is_visible "$result" && find_main && [[ $found != "$main" ]]; }
wait_until 10 fresh_main || fail "Back did not bring a fresh main window"
main=$found
shot "back"
ok "Back: fresh main window $main"

focus "$main"
keys alt+o
find_open() { find_titled "$app" "$open_title"; }
wait_until 10 find_open || fail "Alt+O did not show the \"$open_title\" dialog"
open_dialog=$found
shot "open-dialog"
focus "$open_dialog"
type_text "$saved_file"
keys Return
reopened() { ! is_visible "$open_dialog" && ! is_visible "$main" && find_result; }
wait_until 10 reopened || fail "opening $saved_file did not show the result window"
result=$found
shot "reopened"
capture_window "$result" "$tmp/result-reopened.png"
differing=$(compare -metric AE "$tmp/result-found.png" "$tmp/result-reopened.png" null: 2>&1)
[[ $differing == 0 ]] || fail "the reopened reading looks different from the one found ($differing pixels differ)"
ok "Open: result window $result shows the same reading as the one found"

# The report of the reopened reading is saved again: the same bytes mean the name and the whole
# date came back from the file, not the fresh window's defaults.
focus "$result"
keys alt+p
wait_until 10 find_report || fail "Print did not open the report of the reopened reading"
report=$found
again_file=$HOME/ana-again.zod
save_reading "$again_file"
cmp -s "$saved_file" "$again_file" ||
    fail "the reopened reading differs: $(od -c "$again_file" | head -3)"
close_report
ok "the reopened reading saves to the same bytes (name and date restored)"

# --- 6. exit appeal and referral -------------------------------------------------------------

focus "$result"
keys alt+x
appeal_instead_of_result() { ! is_visible "$result" && find_appeal; }
wait_until 10 appeal_instead_of_result || fail "Exit did not replace the result by the appeal window"
appeal=$found
xprop -id "$appeal" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE ||
    fail "the appeal window does not ask to stay on top: $(xprop -id "$appeal" _NET_WM_STATE)"
shot "appeal"
ok "Exit: appeal window $appeal, kept on top"

focus "$appeal"
# The boxes' middles, from the window's top left corner.
fill_box() { # X Y TEXT
    xdotool mousemove --window "$appeal" "$1" "$2" click 1
    type_text "$3"
}
fill_box 126 249 "$name"
fill_box 360 249 "$your_email"
fill_box 126 273 "$friend_name"
fill_box 360 273 "$friend_email"
shot "referral-form"
before=$(url_count)
keys alt+n
wait_until 10 urls_at_least $((before + 1)) || fail "Refer A Friend Now opened nothing"
if wait_until 2 urls_at_least $((before + 2)); then
    fail "Refer A Friend Now opened more than one address"
fi
referral=$(sed -n "$((before + 1))p" "$ZEL_E2E_URL_LOG")
problem=$(check_referral "$referral") || fail "referral address $referral: $problem"
ok "referral opened once: $referral"

shot "before-exit"
exit_from_appeal "$appeal" "the program"
root=$(xwininfo -root | awk '/Window id:/ { print $4 }')
left=$(xdotool search --onlyvisible --name '' 2>/dev/null | while read -r id; do
    (($(printf '%d' "$id") == $(printf '%d' "$root"))) || echo "$id"
done | wc -l)
((left == 0)) || fail "$left windows are left on the screen"
shot "ended"
ok "the appeal window's Exit ended the program with status 0, no window left"

# --- 7. a saved reading on the command line --------------------------------------------------

# As a file manager starts it for a double-clicked .zod file: the reading opens as Open opens it.
"$exe" "$saved_file" 2>"$tmp/with-file.err" &
app=$!
result_alone() { find_result && (($(window_count "$app") == 1)); }
wait_until 20 result_alone || fail "starting with $saved_file did not leave the result window alone"
result=$found
shot "started-with-file"
capture_window "$result" "$tmp/result-from-command-line.png"
differing=$(compare -metric AE "$tmp/result-found.png" "$tmp/result-from-command-line.png" null: 2>&1)
[[ $differing == 0 ]] ||
    fail "the reading opened from the command line looks different from the one found ($differing pixels differ)"
ok "started with $saved_file: result window $result shows the reading found at first"

focus "$result"
keys alt+x
wait_until 10 find_appeal || fail "Exit did not bring the appeal window"
exit_from_appeal "$found" "the program started with a file"
ok "the program started with a file ended with status 0"

echo "ok: all steps passed"
