#!/usr/bin/env bash
# The program used as a blind person uses it: the Orca screen reader and the keyboard alone, on a
# real X server (Xvfb) under a window manager (Openbox), from the first start to the exit appeal
# window's boxes, once in English and once in Spanish. What Orca says is caught by a speech
# server of the test's own (orca_speech_capture.py) that writes each utterance to a file; every
# step presses keys (xdotool) and waits until Orca has said what the step expects.
#
#   orca.sh path/to/the/program
#
# Every step is printed with what Orca said, so a failing run is also a record of what a person
# hears today. ZEL_ORCA_LANGUAGES picks the walks ("en es" by default), ZEL_ORCA_TABLE names a
# file for the same table in Markdown, and ZEL_ORCA_DEBUG a file for Orca's own debug log.
# Screenshots of failed steps go to $ZEL_ORCA_SCREENSHOTS (orca-screenshots in the working
# folder by default).
#
# Orca itself always speaks English here: its own words ("text", "push button", "frame") come
# from Debian's locale data, which this machine does not generate. The program's words are the
# translated ones, read from the translation sources.

set -u

exe=${1:?usage: orca.sh path/to/the/program}
[[ $exe == /* ]] || exe=$PWD/$exe
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=tests/system/session.sh
source "$here/session.sh"
translations=$here/../../translations
languages=${ZEL_ORCA_LANGUAGES:-en es}
shots=${ZEL_ORCA_SCREENSHOTS:-$PWD/orca-screenshots}
table=${ZEL_ORCA_TABLE:-}
python=/usr/bin/python3

# What is typed and picked: the birth date gives the Jaguar sign.
person=Ana

tmp=""
xvfb=""
bus=""
atspi=""
wm=""
orca=""
app=""
failures=0
passes=0

# --- reporting and clean-up ------------------------------------------------------------------

fail_setup() {
    echo "FAIL: $*"
    dump_logs
    exit 1
}

dump_logs() { # [NAME...]: the standard error of these (of everything started, by default)
    local f name
    for name in "${@:-*}"; do
        for f in "$tmp"/$name.err; do
            [[ -s $f ]] || continue
            echo "---- $(basename "$f" .err) stderr (last lines) ----"
            tail -n 20 "$f"
        done
    done
}

shot() {
    command -v import >/dev/null || return 0
    import -window root "$shots/$1.png" 2>/dev/null || true
}

cleanup() {
    local rc=$?
    stop_process "$app"
    # Orca says goodbye and lets go of the accessibility bus before it ends.
    if [[ -n $orca ]] && ! ended "$orca"; then
        kill "$orca" 2>/dev/null
        wait_until 10 ended "$orca"
    fi
    stop_process "$orca"
    stop_process "$wm"
    stop_process "$atspi"
    stop_process "$bus"
    stop_process "$xvfb"
    [[ -n $table && -f $tmp/table.md ]] && cp "$tmp/table.md" "$table"
    [[ -n $tmp && -z ${ZEL_ORCA_KEEP:-} ]] && rm -rf "$tmp"
    exit "$rc"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

# --- the program's texts, as the translation sources give them --------------------------------

# ts_text LANGUAGE CONTEXT SOURCE: the program's text in that language ("en": the source itself).
ts_text() {
    if [[ $1 == en ]]; then
        printf '%s\n' "$3"
        return
    fi
    "$python" - "$translations/zel_$1.ts" "$2" "$3" <<'EOF'
import sys
import xml.etree.ElementTree as ET
path, context, source = sys.argv[1:]
for ctx in ET.parse(path).getroot().iter("context"):
    if ctx.findtext("name") != context:
        continue
    for message in ctx.iter("message"):
        if message.findtext("source") == source:
            print(message.findtext("translation") or source)
            sys.exit(0)
sys.exit("no translation of %r in context %s of %s" % (source, context, path))
EOF
}

# A button's or box's text as a screen reader gets it: without the access key's marker.
spoken() { printf '%s\n' "${1//&/}"; }

# The access key a text marks with &, as an xdotool key name.
access_key() {
    local after=${1#*&}
    [[ $after != "$1" ]] || return 1
    printf 'alt+%s\n' "$(tr '[:upper:]' '[:lower:]' <<<"${after:0:1}")"
}

# --- speech ----------------------------------------------------------------------------------

speech_log=""

line_count() { if [[ -f $speech_log ]]; then wc -l <"$speech_log"; else echo 0; fi; }

# The utterances since line FROM, one a line, without the echo of pressed keys.
said_since() { tail -n "+$(($1 + 1))" "$speech_log" 2>/dev/null | awk -F'\t' '$1 != "key" { print $2 }'; }

# Words compared as words: punctuation that Orca adds between parts becomes a blank.
normalise() { printf ' %s ' "$*" | tr '.,:;!?()\n\t' '          ' | tr -s ' '; }

said_anything_since() { (($(line_count) > $1)); }

# Waits until Orca has said nothing new for 0.7 s (at most 6 s).
wait_for_quiet() {
    local count last_change now
    count=$(line_count)
    last_change=$(now_us)
    local deadline=$((last_change + 6000000))
    while :; do
        sleep 0.1
        now=$(now_us)
        if (($(line_count) != count)); then
            count=$(line_count)
            last_change=$now
        elif ((now - last_change >= 700000)); then
            return 0
        fi
        ((now < deadline)) || return 1
    done
}

# --- checks ----------------------------------------------------------------------------------

# A check is one of:
#   says:TEXT     TEXT is said, as whole words; listed twice, it must be said twice
#   never:TEXT    no utterance is TEXT alone or TEXT's menu ("File", "File menu ...")
#   window:main   a window is announced by its name and a window role; its name is noted
#   window:own    the same, with a name of its own: not the main window's
main_window_name=""
problems=""

count_of() { # TEXT PHRASE: how often PHRASE occurs in TEXT
    local text=$1 phrase=$2 n=0
    while [[ $text == *"$phrase"* ]]; do
        # The blank that ends one word begins the next.
        text=" ${text#*"$phrase"}"
        n=$((n + 1))
    done
    echo "$n"
}

announced_window() { # FROM: the first window announcement's name, as "NAME<tab>ROLE"
    local line
    while IFS= read -r line; do
        if [[ $line =~ ^(.+)\ (frame|dialog)([ .]|$) ]]; then
            printf '%s\t%s\n' "${BASH_REMATCH[1]}" "${BASH_REMATCH[2]}"
            return 0
        fi
    done < <(said_since "$1")
    return 1
}

# checks_hold FROM CHECK...: sets $problems to what does not hold yet.
checks_hold() {
    local from=$1 check text phrase needed found window name line seen=" "
    shift
    text=$(normalise "$(said_since "$from")")
    problems=""
    for check in "$@"; do
        case $check in
        says:*)
            phrase=$(normalise "${check#says:}")
            # Each phrase once, with the number of times the checks list it.
            [[ $seen == *"|$phrase|"* ]] && continue
            seen+="|$phrase|"
            needed=0
            for found in "$@"; do
                [[ $found == says:* && $(normalise "${found#says:}") == "$phrase" ]] &&
                    needed=$((needed + 1))
            done
            (($(count_of "$text" "$phrase") >= needed)) ||
                problems+="no \"${check#says:}\"$( ((needed > 1)) && echo " ($needed times)"); "
            ;;
        never:*)
            phrase=$(normalise "${check#never:}")
            while IFS= read -r line; do
                line=$(normalise "$line")
                if [[ $line == "$phrase" || $line == "$phrase"menu* ]]; then
                    problems+="stray \"${check#never:}\"; "
                    break
                fi
            done < <(said_since "$from")
            ;;
        window:*)
            if ! window=$(announced_window "$from"); then
                problems+="no window announced by name and role; "
                continue
            fi
            name=${window%%$'\t'*}
            if [[ $check == window:main ]]; then
                main_window_name=$name
            elif [[ $name == "$main_window_name" ]]; then
                problems+="the window is named \"$name\", as the main window; "
            fi
            ;;
        esac
    done
    [[ -z $problems ]]
}

# --- steps -----------------------------------------------------------------------------------

language=""
step_number=0

press() { # KEYS: xdotool key names, type:TEXT, or run:FUNCTION
    local names
    case $1 in
    "") ;;
    type:*) xdotool type --delay 60 -- "${1#type:}" ;;
    run:*) "${1#run:}" ;;
    *) read -ra names <<<"$1" && xdotool key --delay 80 "${names[@]}" ;;
    esac
}

record() { # STATUS LABEL KEYS EXPECTED SAID
    printf '%-4s %s %02d %s [%s]\n' "$1" "$language" "$step_number" "$2" "${3:-no key}"
    [[ -n $4 ]] && printf '       expects: %s\n' "$4"
    printf '       Orca said: %s\n' "${5:-(nothing)}"
    printf '| %s | %02d | %s | %s | %s | %s | %s |\n' "$language" "$step_number" "$2" "${3:-}" \
        "$(sed 's/ | / \/ /g' <<<"${5:-(nothing)}")" "$4" "$1" >>"$tmp/table.md"
}

# step LABEL KEYS [recover:KEYS] CHECK...: presses KEYS and waits up to 6 s for the checks to
# hold (30 s when KEYS start the program, which a loaded machine starts slowly), then until Orca
# is quiet. A step after which Orca said nothing at all has most likely
# done nothing; where that would leave the walk stranded, the recovery keys do what the step
# should have done, so that the later steps are still heard.
step() {
    local label=$1 keys=$2 recover="" from status expected="" said
    shift 2
    if [[ ${1:-} == recover:* ]]; then
        recover=${1#recover:}
        shift
    fi
    step_number=$((step_number + 1))
    wait_for_quiet
    from=$(line_count)
    press "$keys"
    if (($# == 0)); then
        wait_until 3 said_anything_since "$from"
        problems=""
    else
        wait_until "$([[ $keys == run:* ]] && echo 30 || echo 6)" checks_hold "$from" "$@"
    fi
    wait_for_quiet
    checks_hold "$from" "$@"
    said=$(said_since "$from" | paste -sd'|' | sed 's/|/ | /g')
    local check
    for check in "$@"; do expected+="${expected:+, }${check}"; done
    if (($# == 0)); then
        status="--"
    elif [[ -z $problems ]]; then
        status="ok"
        passes=$((passes + 1))
    else
        status="FAIL"
        failures=$((failures + 1))
        shot "$language-$(printf '%02d' "$step_number")"
    fi
    record "$status" "$label" "$keys" "$expected" "$said"
    [[ -n $problems ]] && printf '       problem: %s\n' "$problems"
    if [[ $status == FAIL && -n $recover && -z $said ]]; then
        from=$(line_count)
        press "$recover"
        wait_until 6 said_anything_since "$from"
        wait_for_quiet
        printf '       recovered with [%s]; Orca said: %s\n' "$recover" \
            "$(said_since "$from" | paste -sd'|' | sed 's/|/ | /g')"
    fi
}

# The program in the walk's language, with Qt's bridge to the accessibility bus on.
locale=""
start_program() {
    (
        unset LC_ALL LANGUAGE LC_MESSAGES
        export LANG=$locale QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb
        exec "$exe"
    ) 2>"$tmp/program-$language.err" &
    app=$!
}

# --- one walk --------------------------------------------------------------------------------

walk() {
    local lang=$1 month_list day_list year_list find_button open_button open_title exit_key
    language=$lang
    step_number=0
    t() { ts_text "$lang" "$@" || fail_setup "no text for $*"; }
    local name_box month0 month1 month2 mayan animal crystal your_name your_email friend_email
    local friend_name file_menu back_button
    name_box=$(t MainWindow Name)
    month_list=$(t MainWindow "Birth month")
    day_list=$(t MainWindow "Birth day")
    year_list=$(t MainWindow "Birth year")
    find_button=$(t MainWindow "&Find My Mayan Animal Sign")
    open_button=$(t MainWindow "&Open Previously Saved Reading")
    back_button=$(t ResultWindow "&Back")
    interpretation=$(t ResultWindow Interpretation)
    open_title=$(t MainWindow "Select the source file")
    file_menu=$(t MainWindow "&File")
    month0=$(t SignTable January)
    month1=$(t SignTable February)
    month2=$(t SignTable March)
    # March 7 falls under the Jaguar: its Mayan name is data, the same in every language; its
    # animal and crystal are read in the person's language.
    mayan=Jaguar
    animal=$(t SignTable Balam)
    crystal=$(t SignTable Alexandrite)
    your_name=$(t ExitAppealWindow "Your Name")
    your_email=$(t ExitAppealWindow "Your Email Address")
    friend_email=$(t ExitAppealWindow "Friend's Email Address")
    friend_name=$(t ExitAppealWindow "Friend's Name")
    exit_key=$(access_key "$(t ExitAppealWindow "E&xit")")
    local open_key text
    open_key=$(access_key "$open_button") || fail_setup "\"$open_button\" has no access key"
    for text in name_box month_list day_list year_list find_button open_button back_button \
        open_title file_menu month0 month1 month2 animal crystal interpretation your_name your_email \
        friend_email friend_name exit_key; do
        [[ -n ${!text} ]] || fail_setup "no $text in $lang"
    done

    echo "== $lang: LANG=$2 =="
    speech_log=$tmp/speech-$lang.log
    : >"$speech_log"
    # The speech file is named when Orca starts: the same Orca writes each walk to its own file
    # through a link it follows.
    ln -sfn "$speech_log" "$tmp/speech.log"

    locale=$2
    step "start: the main window" run:start_program window:main "says:$name_box text"
    step "type the name" "type:$person"
    step "Tab into the month list" "Tab" "says:$month_list" "says:$month0"
    step "Down in the month list" "Down" "says:$month1"
    step "Down in the month list" "Down" "says:$month2"
    step "Tab into the day list" "Tab" "says:$day_list" "says:1"
    local day
    for day in 2 3 4 5 6 7; do
        step "Down in the day list" "Down" "says:$day"
    done
    step "Tab into the year list" "Tab" "says:$year_list" "says:1900"
    step "Down in the year list" "Down" "says:1901"
    step "Tab to the Find button" "Tab" "says:$(spoken "$find_button") push button"
    step "Enter on Find: the result window" "Return" recover:space window:own \
        "says:$mayan" "says:$animal" "says:$crystal" "says:$(spoken "$back_button") push button"
    step "Tab past Exit and Print to the interpretation" "Tab Tab Tab" "says:$interpretation"
    step "Shift+Tab back to Back" "shift+Tab shift+Tab shift+Tab" \
        "says:$(spoken "$back_button") push button"
    step "Enter on Back: a fresh main window" "Return" recover:space "says:$name_box text"
    step "the Open dialog by its access key" "$open_key" "says:$open_title" \
        "never:$(spoken "$file_menu")"
    step "Escape: back on the Open button" "Escape" \
        "says:$(spoken "$open_button") push button"
    step "Ctrl+Q: the exit appeal window" "ctrl+q" recover:alt+F4 window:own \
        "says:$(spoken "$(t ExitAppealWindow "E&xit")") push button"
    step "Tab to Your Name" "Tab Tab Tab" "says:$your_name text"
    step "Tab to Your Email Address" "Tab Tab" "says:$your_email text"
    step "Tab to Friend's Email Address" "Tab" "says:$friend_email text"
    step "Tab to Friend's Name" "Tab" "says:$friend_name text"
    step "Shift+Tab back to Friend's Email Address" "shift+Tab" "says:$friend_email text"
    step "Shift+Tab back to Your Email Address" "shift+Tab" "says:$your_email text"
    step "Shift+Tab back to Your Name" "shift+Tab shift+Tab" "says:$your_name text"

    # The appeal window's Exit ends the program.
    press "$exit_key"
    wait_until 10 ended "$app" || echo "note: Exit on the appeal window did not end the program"
    stop_process "$app"
    app=""
}

# --- set-up ----------------------------------------------------------------------------------

start_session orca "$exe" "$shots" Xvfb dbus-daemon dbus-send /usr/libexec/at-spi-bus-launcher \
    openbox orca xdotool xprop "$python"
[[ -f $translations/zel_es.ts ]] || fail_setup "no translations in $translations"
: >"$tmp/table.md"
printf '| language | step | what | keys | Orca said | expected | result |\n' >>"$tmp/table.md"
printf '|---|---|---|---|---|---|---|\n' >>"$tmp/table.md"

# Nothing of a desktop session may take part; Orca and the window manager keep their settings
# in memory and in the scratch home.
unset QT_QPA_PLATFORM QT_QPA_PLATFORMTHEME QT_STYLE_OVERRIDE WAYLAND_DISPLAY XAUTHORITY \
    XDG_CURRENT_DESKTOP XDG_SESSION_TYPE DESKTOP_SESSION KDE_FULL_SESSION \
    GNOME_DESKTOP_SESSION_ID BROWSER SESSION_MANAGER DBUS_SESSION_BUS_ADDRESS \
    AT_SPI_BUS_ADDRESS LANGUAGE LC_MESSAGES
export LC_ALL=C.UTF-8 GSETTINGS_BACKEND=memory PYTHONDONTWRITEBYTECODE=1
export XDG_DATA_HOME=$HOME/.local/share XDG_CACHE_HOME=$HOME/.cache
mkdir -p "$tmp/bin"
cp "$here/stand-in-xdg-open" "$tmp/bin/xdg-open" && chmod 755 "$tmp/bin/xdg-open"
export PATH=$tmp/bin:$PATH
export ZEL_E2E_URL_LOG=$tmp/urls.log

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -s 0 -noreset 3>"$tmp/display" \
    2>"$tmp/xvfb.err" &
xvfb=$!
display_ready() { [[ -s $tmp/display ]] || { ended "$xvfb" && return 0; return 1; }; }
wait_until 20 display_ready || fail_setup "Xvfb did not start"
[[ -s $tmp/display ]] || fail_setup "Xvfb ended"
DISPLAY=:$(tr -d '[:space:]' <"$tmp/display")
export DISPLAY

dbus-daemon --session --nofork --address="unix:path=$XDG_RUNTIME_DIR/bus" --print-address=3 \
    3>"$tmp/bus-address" 2>"$tmp/dbus.err" &
bus=$!
bus_ready() { [[ -s $tmp/bus-address ]]; }
wait_until 10 bus_ready || fail_setup "the session D-Bus did not start"
DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$tmp/bus-address")
export DBUS_SESSION_BUS_ADDRESS

# The accessibility bus, on which the program and Orca meet.
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$tmp/at-spi.out" 2>"$tmp/at-spi.err" &
atspi=$!
# Asked without starting it: a call to the bus itself would have D-Bus start a second one.
a11y_bus_ready() {
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q 'boolean true'
}
wait_until 20 a11y_bus_ready || fail_setup "the accessibility bus did not start"

openbox --sm-disable >"$tmp/openbox.out" 2>"$tmp/openbox.err" &
wm=$!
wm_ready() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
wait_until 20 wm_ready || fail_setup "Openbox did not start"

# Orca with its default settings, but for the speech server (and no braille display to look
# for). Should the test's server fail to load, Orca falls back to none rather than to
# speech-dispatcher.
prefs=$tmp/orca-prefs
mkdir -p "$prefs" "$tmp/python"
cp "$here/orca_speech_capture.py" "$tmp/python/"
cat >"$prefs/user-settings.conf" <<'EOF'
{
    "general": {
        "speechServerFactory": "orca_speech_capture",
        "speechFactoryModules": ["orca_speech_capture"],
        "speechServerInfo": null,
        "enableBraille": false,
        "firstStart": false
    },
    "pronunciations": {},
    "keybindings": {},
    "profiles": {
        "default": {
            "profile": ["Default", "default"]
        }
    }
}
EOF
debug_args=()
[[ -n ${ZEL_ORCA_DEBUG:-} ]] && debug_args=(--debug-file "$ZEL_ORCA_DEBUG")
speech_log=$tmp/speech-orca.log
: >"$speech_log"
ln -sfn "$speech_log" "$tmp/speech.log"
# Orca will not start beside another Orca of the same user, which it looks for by name with
# pgrep; this one has a display and buses of its own, so a stand-in tells it there is none, and
# the test runs while the person running it uses Orca, or another run of the test does.
mkdir -p "$tmp/orca-bin"
printf '#!/bin/sh\n# No other Orca here.\nexit 1\n' >"$tmp/orca-bin/pgrep"
chmod 755 "$tmp/orca-bin/pgrep"
ORCA_SPEECH_LOG=$tmp/speech.log PYTHONPATH=$tmp/python PATH=$tmp/orca-bin:$PATH \
    orca -u "$prefs" "${debug_args[@]}" >"$tmp/orca.err" 2>&1 &
orca=$!
# Orca 43 ends itself with SIGKILL when asked to stop while no window is active (it finds no
# script to say goodbye with); the shell need not report that.
disown "$orca"
orca_said_on() { grep -q $'^speak\tScreen reader on' "$speech_log"; }
orca_ready() { orca_said_on || ended "$orca"; }
wait_until 30 orca_ready
orca_said_on || fail_setup "Orca did not say it is on"
echo "ok: Xvfb on $DISPLAY, D-Bus, the accessibility bus, Openbox and Orca $(orca --version 2>/dev/null)"

# --- the walks -------------------------------------------------------------------------------

# File dialogs open in the working folder: the scratch home keeps them small.
cd "$HOME" || fail_setup "cannot enter $HOME"
for lang in $languages; do
    case $lang in
    en) walk en C.UTF-8 ;;
    es) walk es es_ES.UTF-8 ;;
    de) walk de de_DE.UTF-8 ;;
    fr) walk fr fr_FR.UTF-8 ;;
    *) fail_setup "no walk for language $lang" ;;
    esac
done

echo "screen reader: $passes passed, $failures failed"
if ((failures > 0)); then
    dump_logs 'program-*' orca
    exit 1
fi
echo "ok: all steps passed"
