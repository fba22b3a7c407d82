# shellcheck shell=bash
# shellcheck disable=SC2317 # the conditions in the steps are called through wait_until
# Sourced by e2e.sh (X11) and wayland.sh (Wayland): the program used as a person uses it, through
# xdotool's keys and clicks on a virtual X server, from the first start to the appeal window's Exit
# and started with a file. The sourcing script defines for its display:
#   windows PID        the process's visible top-level windows, one a line of tab-separated
#                      fields: ID X Y WIDTH HEIGHT TITLE, the window's inside on the screen
#   windows_left       how many top-level windows of any process are still on the screen
#   focus ID, close_window ID (as its close box does), check_on_top ID (asks to stay above)
#   check_windows PID  what a desktop needs of every window of the process
#   new_window ID OLD  ID is another window than OLD
#   $launch            what goes in front of the program on its command line

caption="${ZEL_DISPLAY_NAME:?} v${ZEL_VERSION:?}"
box_title=$ZEL_DISPLAY_NAME
site=${ZEL_SITE_ADDRESS:?}
: "${ZEL_APP_ID:?}" "${ZEL_EXECUTABLE_NAME:?}"
save_title="Save Your Zodiac Signs Result ...."
open_title="Select the source file"
# What is typed: the reading of a hand-made saved reading, which the saved file must equal.
name=Zel month=March day=5 year=1987 your_email=zel@example.org
friend_name=Ben friend_email=ben@example.org

walk_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=tests/system/session.sh
source "$walk_dir/session.sh"
hand_made=$walk_dir/../savedreading/readings/zel.zod
python=/usr/bin/python3
launch=()
teardown_hang=""
tmp="" xvfb="" weston="" app="" second="" found="" shot_count=0
main="" result="" report="" appeal=""

ok() { echo "ok: $*"; }

fail() {
    local f
    echo "FAIL: $*"
    shot failure
    for f in "$tmp"/*.err "$tmp"/*.log "$tmp"/scene; do
        [[ -s $f ]] && { echo "---- $(basename "$f") ----"; tail -n 40 "$f"; }
    done
    exit 1
}

shot() {
    [[ -n ${DISPLAY:-} ]] || return 0
    local file
    shot_count=$((shot_count + 1))
    printf -v file '%s/%02d-%s.png' "$shots" "$shot_count" "$1"
    import -window root "$file" 2>/dev/null || echo "note: no screenshot $file"
}

# The program's copies first, then the display servers, Weston before the X server it draws on.
cleanup() {
    local rc=$? pid
    for pid in "$second" "$app" "$weston" "$xvfb"; do
        stop_process "$pid"
    done
    [[ -n $tmp ]] && rm -rf "$tmp"
    exit "$rc"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

# begin_walk NAME PROGRAM SHOTS TOOL...: the scratch home, the stand-in browser, an environment
# without a desktop session's settings, and the X server; screenshots go to SHOTS.
begin_walk() {
    local name=$1
    exe=${2:?usage: $name.sh path/to/program} shots=$3
    [[ $exe == /* ]] || exe=$PWD/$exe
    shift 3
    unset DISPLAY QT_QPA_PLATFORM QT_QPA_PLATFORMTHEME QT_STYLE_OVERRIDE QT_WAYLAND_DECORATION \
        WAYLAND_DISPLAY XAUTHORITY XDG_CURRENT_DESKTOP XDG_SESSION_TYPE DESKTOP_SESSION \
        KDE_FULL_SESSION GNOME_DESKTOP_SESSION_ID BROWSER SESSION_MANAGER DBUS_SESSION_BUS_ADDRESS
    start_session "$name" "$exe" "$shots" Xvfb xdotool import convert compare pdfinfo pdftotext \
        pdftoppm "$python" "$@"
    install -D -m 755 "$walk_dir/stand-in-xdg-open" "$tmp/bin/xdg-open"
    export PATH=$tmp/bin:$PATH ZEL_E2E_URL_LOG=$tmp/urls.log LC_ALL=C.UTF-8
    settings=$XDG_CONFIG_HOME/$ZEL_EXECUTABLE_NAME.conf
    start_xvfb || fail "Xvfb did not start"
    # File dialogs open in the working folder: the new home keeps them small.
    cd "$HOME" || fail "cannot enter $HOME"
}

# find_window PID TITLE [WIDTH HEIGHT [EXTRA]]: sets $found to the visible window of PID with that
# exact title and, when given, that width and a height between HEIGHT and HEIGHT+EXTRA (room for
# a menu bar, whose height depends on the font).
find_window() {
    local width=${3:-} height=${4:-0} extra=${5:-0} id w h text
    while IFS=$'\t' read -r id _ _ w h text; do
        [[ $text == "$2" ]] || continue
        [[ -z $width ]] || ((w == width && h >= height && h <= height + extra)) || continue
        found=$id
        return 0
    done < <(windows "$1")
    return 1
}
find_main() { find_window "$app" "$caption" 479 273 60; }
find_result() { find_window "$app" "$caption" 616 377 60; }
find_report() { find_window "$app" "$caption" 515 524; }
find_appeal() { find_window "$app" "$caption" 741 315; }
find_titled() { find_window "$app" "$1"; }

window_count() { windows "$1" | wc -l; }
is_visible() { windows "$app" | grep -q "^$1"$'\t'; }
gone() { ! is_visible "$1"; }
# instead OLD FIND...: the window OLD is gone and FIND finds the one in its place.
instead() { gone "$1" && "${@:2}"; }

# await VAR SECONDS FAILURE FIND...: FIND must find a window within SECONDS; it is then $VAR.
await() {
    wait_until "$2" "${@:4}" || fail "$3"
    printf -v "$1" %s "$found"
}

# place ID: "X Y WIDTH HEIGHT" of a window of the program on the screen.
place() {
    { windows "$app"; [[ -z $second ]] || windows "$second"; } |
        awk -F'\t' -v id="$1" '$1 == id { print $2, $3, $4, $5; exit }'
}

# click ID X Y: a click at X,Y from the window's top left corner.
click() {
    local x y
    read -r x y _ < <(place "$1") || fail "window $1 is gone"
    xdotool mousemove "$((x + $2))" "$((y + $3))" click 1
}

keys() { xdotool key --delay 60 "$@"; }
type_text() { xdotool type --delay 40 -- "$1"; }

# press WINDOW KEY...: the keys on WINDOW, given the keyboard focus first.
press() {
    focus "$1"
    keys "${@:2}"
}

# capture WINDOW NAME: the window's picture in $tmp/NAME.png, active and without the pointer over
# it, once two captures in a row agree (repainting has finished), so that equal content compares so.
capture() {
    local previous=$tmp/previous-capture.png file=$tmp/$2.png
    rm -f "$previous"
    focus "$1"
    xdotool mousemove 0 0
    same_twice() {
        local x y w h
        read -r x y w h < <(place "$1") || return 1
        import -window root -crop "${w}x$h+$x+$y" +repage "$2" 2>/dev/null || return 1
        [[ -f $previous && $(compare -metric AE "$previous" "$2" null: 2>&1) == 0 ]] && return 0
        cp "$2" "$previous"
        return 1
    }
    wait_until 10 same_twice "$1" "$file" || fail "window $1 did not settle to a steady picture"
}

# looks_as_found WINDOW NAME WHAT: the window looks as the result window did when it was found.
looks_as_found() {
    local differing
    capture "$1" "$2"
    differing=$(compare -metric AE "$tmp/result-found.png" "$tmp/$2.png" null: 2>&1)
    [[ $differing == 0 ]] || fail "$3 looks different from the one found ($differing pixels differ)"
}

url_count() { if [[ -f $ZEL_E2E_URL_LOG ]]; then wc -l <"$ZEL_E2E_URL_LOG"; else echo 0; fi; }
urls_at_least() { (($(url_count) >= $1)); }

# opens_one_address WHAT KEY...: the keys open one address, and no second, which is set in $opened.
opens_one_address() {
    local what=$1 before
    before=$(url_count)
    "${@:2}"
    wait_until 10 urls_at_least $((before + 1)) || fail "$what opened nothing"
    ! wait_until 2 urls_at_least $((before + 2)) ||
        fail "$what opened more than one address: $(tr '\n' ' ' <"$ZEL_E2E_URL_LOG")"
    opened=$(sed -n "$((before + 1))p" "$ZEL_E2E_URL_LOG")
}

# The referral address: the six fields, each percent-encoded.
check_referral() {
    "$python" - "$1" "$site" "$name" "$your_email" "$friend_name" "$friend_email" <<'EOF'
import sys, urllib.parse
url, site, name, email, friend, friend_email = sys.argv[1:]
fields = [name, email, "Your Message\r\n", friend, friend_email, site + "/zel-free-mayan-animal-sign"]
expected = site + "/zelvs-refer-a-friend.php?" + "&".join(
    "taf%d=%s" % (n, urllib.parse.quote(value, safe="")) for n, value in enumerate(fields, 1))
sys.exit(None if url == expected else "expected " + expected)
EOF
}

# Where to click on the first link of the report: the middle of the first long run of the link
# colour (its underline), a few pixels up into the letters.
find_link_point() {
    convert "$1" -crop 511x409+2+32 +repage txt:- 2>/dev/null | awk -F'[,: ]+' '
        /#0000FF/ {
            if (!n[$2]++) lo[$2] = $1
            hi[$2] = $1
        }
        END {
            for (y in n) if (n[y] >= 40 && (best == "" || y + 0 < best)) best = y + 0
            if (best == "") exit 1
            print 2 + int((lo[best] + hi[best]) / 2), 32 + best - 4
        }'
}

# start_program VAR NAME [ARGUMENT...]: the program in the background, its process in $VAR.
start_program() {
    "${launch[@]}" "$exe" "${@:3}" 2>"$tmp/$2.err" &
    printf -v "$1" %s $!
}

# starts VAR NAME FAILURE FIND [ARGUMENT...]: the program started with the ARGUMENTs must show
# within 30 s the window FIND finds, then $VAR, each window as a desktop needs it.
starts() {
    start_program app "$2" "${@:5}"
    await "$1" 30 "$3" "$4"
    shot "$2"
    check_windows "$app"
}

first_start() {
    more_than_one_window() { (($(window_count "$app") > 1)); }
    starts main first-start "the main window did not appear" find_main
    ! wait_until 2 more_than_one_window ||
        fail "a first start showed another window besides the main window"
    [[ -s $settings ]] || fail "no settings were stored in $settings"
    ok "first start: main window $main, no question asked, settings stored"
}

# ends_well PID WHAT COMMAND...: the process ends within 10 s (the COMMAND polled) with status 0, or
# hangs as $teardown_hang says in the teardown after its last window, noted and ended; see $ending.
ends_well() {
    local pid=$1 what=$2
    if wait_until 10 "${@:3}"; then
        wait "$pid" || fail "$what ended with status $?"
        ending="ended with status 0"
    elif [[ -n $teardown_hang && $(window_count "$pid") == 0 ]]; then
        echo "note: $what closed its windows but did not end: $teardown_hang"
        stop_process "$pid"
        ending="closed its windows, then hung and was ended"
    else
        fail "$what did not end"
    fi
}

# second_start_refused NAME WINDOW [ARGUMENT...]: another start shows only the message box, ends
# with status 0 after OK, and leaves the first instance and its WINDOW as they were.
second_start_refused() {
    local name=$1 window=$2 box
    start_program second "$name" "${@:3}"
    await box 20 "$name showed no \"$box_title\" message box" find_window "$second" "$box_title"
    shot "$name"
    (($(window_count "$second") == 1)) || fail "$name showed more than its message box"
    check_windows "$second"
    press "$box" Return
    other_window=""
    second_done() {
        [[ -n $other_window ]] || other_window=$(windows "$second" | cut -f1 | grep -vxF "$box")
        ended "$second"
    }
    ends_well "$second" "$name, after OK," second_done
    second=""
    [[ -z $other_window ]] || fail "$name showed window $other_window after OK"
    ended "$app" && fail "the first instance ended"
    is_visible "$window" || fail "the first instance's window $window is gone"
    ok "$name: message box, $ending after OK, the first instance unchanged"
}

find_sign() {
    focus "$main"
    type_text "$name"
    keys Tab m Tab "$day" Tab
    type_text "$year"
    keys Tab space
    await result 10 "Find did not replace the main window by the result" instead "$main" find_result
    shot result
    check_windows "$app"
    capture "$result" result-found
    ok "Find: result window $result, main window closed"
}

open_report() { # WHAT
    press "$result" alt+p
    await report 10 "Print did not open the report window of $1" find_report
}

report_link() {
    local link_x link_y
    open_report "the reading found"
    capture "$report" report
    shot report
    read -r link_x link_y < <(find_link_point "$tmp/report.png") ||
        fail "no link in the link colour in the report"
    opens_one_address "clicking the report's link at $link_x,$link_y" click "$report" "$link_x" "$link_y"
    [[ $opened == "$site" ]] || fail "the report's link opened \"$opened\", not \"$site\""
    ok "report window $report; its link at $link_x,$link_y opened $opened once"
}

# save_as NAME FILE [KEY...]: Save on the report, NAME typed into its dialog, the KEYs pressed
# there, and Return; the dialog must close and FILE be written.
save_as() {
    local file=$2 dialog
    press "$report" alt+s
    await dialog 10 "Save did not show the \"$save_title\" dialog" find_titled "$save_title"
    focus "$dialog"
    type_text "$1"
    (($# == 2)) || keys "${@:3}"
    shot save-dialog
    keys Return
    saved() { [[ -s $file ]] && gone "$dialog"; }
    wait_until 10 saved || fail "the report was not saved to $file"
}

close_report() {
    close_window "$report" || fail "could not ask the report window to close"
    wait_until 10 gone "$report" || fail "the report window did not close from its close box"
    is_visible "$result" || fail "closing the report closed the result window too"
}

save_both() {
    local pdf_file=$HOME/zel-report.pdf pdf_title
    saved_file=$HOME/zel.zod
    save_as "$saved_file" "$saved_file"
    cmp -s "$saved_file" "$hand_made" ||
        fail "the saved reading is not $name, $month, $day, $year: $(od -c "$saved_file" | head -5)"
    ok "saved $saved_file: the bytes of the hand-made $hand_made"
    # A name without a suffix, and the second file type, which Tab reaches from the name box.
    save_as zel-report "$pdf_file" Tab Down shift+Tab
    pdf_title=$(pdfinfo "$pdf_file" | sed -n 's/^Title: *//p')
    [[ $pdf_title == "$box_title - $name" ]] || fail "the PDF's title is \"$pdf_title\""
    # The C locale measures in metric units.
    pdfinfo "$pdf_file" | grep -q '^Page size: .*(A4)' || fail "the PDF's pages are not A4"
    pdftotext "$pdf_file" - | grep -q "^Name: $name\$" || fail "the PDF's text lacks \"Name: $name\""
    pdftoppm -png -r 60 -f 1 -l 1 -singlefile "$pdf_file" "$shots/report-pdf" ||
        fail "pdftoppm could not draw the PDF's first page"
    ok "saved $pdf_file through the PDF file type: titled \"$pdf_title\", A4, its text selectable"
}

back_and_open() {
    local open_dialog again_file=$HOME/zel-again.zod
    fresh_main() { find_main && new_window "$found" "$main"; }
    press "$result" alt+b
    await main 10 "Back did not bring a fresh main window" instead "$result" fresh_main
    shot back
    ok "Back: fresh main window $main"
    press "$main" alt+o
    await open_dialog 10 "Alt+O did not show the \"$open_title\" dialog" find_titled "$open_title"
    shot open-dialog
    focus "$open_dialog"
    type_text "$saved_file"
    keys Return
    reopened() { gone "$open_dialog" && instead "$main" find_result; }
    await result 10 "opening $saved_file did not show the result window" reopened
    shot reopened
    looks_as_found "$result" result-reopened "the reopened reading"
    ok "Open: result window $result shows the same reading as the one found"
    # The report of the reopened reading is saved again: the same bytes mean the name and the
    # whole date came back from the file, not the fresh window's defaults.
    open_report "the reopened reading"
    save_as "$again_file" "$again_file"
    cmp -s "$saved_file" "$again_file" ||
        fail "the reopened reading differs: $(od -c "$again_file" | head -3)"
    close_report
    ok "the reopened reading saves to the same bytes (name and date restored)"
}

# to_appeal FIND...: Exit (Alt+X) on the result window brings the appeal window, which FIND finds.
to_appeal() {
    press "$result" alt+x
    await appeal 10 "Exit did not bring the appeal window" "$@"
    check_on_top "$appeal"
    shot appeal
    ok "Exit: appeal window $appeal instead of the result"
}

# exit_from_appeal WHAT: Exit (Alt+X) on the appeal window must end the program, status 0.
exit_from_appeal() {
    press "$appeal" alt+x
    ends_well "$app" "$1, after Exit on the appeal window," ended "$app"
    app=""
}

appeal_and_referral() {
    local problem left
    to_appeal instead "$result" find_appeal
    focus "$appeal"
    # The boxes' middles, from the window's top left corner.
    click "$appeal" 126 249 && type_text "$name"
    click "$appeal" 360 249 && type_text "$your_email"
    click "$appeal" 126 273 && type_text "$friend_name"
    click "$appeal" 360 273 && type_text "$friend_email"
    shot referral-form
    opens_one_address "Refer A Friend Now" keys alt+n
    problem=$(check_referral "$opened" 2>&1) || fail "referral address $opened: $problem"
    ok "referral opened once: $opened"
    shot before-exit
    exit_from_appeal "the program"
    left=$(windows_left)
    ((left == 0)) || fail "$left windows are left on the screen"
    shot ended
    ok "on the appeal window's Exit the program $ending, no window left"
}

# As a file manager starts it for a double-clicked .zod file: the reading opens as Open opens it.
start_with_reading() {
    result_alone() { find_result && (($(window_count "$app") == 1)); }
    starts result started-with-file \
        "starting with $saved_file did not leave the result window alone" result_alone "$saved_file"
    looks_as_found "$result" result-from-command-line "the reading opened from the command line"
    ok "started with $saved_file: result window $result shows the reading found at first"
    to_appeal find_appeal
    exit_from_appeal "the program started with a file"
    ok "on Exit the program started with a file $ending"
}

start_with_junk() {
    box_over_main() { find_titled "$box_title" && find_main; }
    printf 'not a reading\r\n' >"$HOME/junk.zod"
    starts found check-the-file \
        "a file that is no saved reading did not bring the message box over the main window" \
        box_over_main "$HOME/junk.zod"
    ok "a file that is no saved reading: message box \"$box_title\" over the main window"
}

walk() {
    first_start
    second_start_refused second-instance "$main"
    find_sign
    report_link
    save_both
    # Single instance holds for a start with a file too: the file is not opened anywhere.
    second_start_refused second-instance-with-file "$report" "$saved_file"
    close_report
    ok "the report closed from its close box; the result window stays"
    back_and_open
    appeal_and_referral
    start_with_reading
    start_with_junk
    echo "ok: all steps passed"
}
