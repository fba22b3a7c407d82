# shellcheck shell=bash
# Sourced by the system tests that start the program and a display server: their set-up in a
# scratch home, waiting with a deadline, and ending the processes they started.

# start_session NAME EXE SHOTS TOOL...: fails at once without a tool or the program; empties the
# screenshot folder; makes $tmp, and in it the program's home, configuration and runtime folder.
start_session() {
    local name=$1 exe=$2 shots=$3 tool
    shift 3
    for tool in "$@"; do
        command -v "$tool" >/dev/null || { echo "FAIL: $tool is not installed"; exit 1; }
    done
    [[ -x $exe ]] || { echo "FAIL: no program at $exe"; exit 1; }
    mkdir -p "$shots" || { echo "FAIL: cannot create $shots"; exit 1; }
    rm -f "$shots"/*.png
    tmp=$(mktemp -d "${TMPDIR:-/tmp}/zel-$name.XXXXXX") || { echo "FAIL: mktemp"; exit 1; }
    export HOME=$tmp/home XDG_CONFIG_HOME=$tmp/home/.config XDG_RUNTIME_DIR=$tmp/runtime
    mkdir -p "$HOME" "$XDG_CONFIG_HOME"
    mkdir -m 700 "$XDG_RUNTIME_DIR"
}

now_us() { echo "${EPOCHREALTIME//[.,]/}"; }

# wait_until SECONDS COMMAND...: polls the command every 0.1 s until it succeeds or time is up.
wait_until() {
    local deadline=$(($(now_us) + $1 * 1000000))
    shift
    until "$@"; do
        (($(now_us) < deadline)) || return 1
        sleep 0.1
    done
}

# True once the process is gone or only a zombie waiting to be reaped (kill -0 still sees those).
ended() {
    local state
    state=$(ps -o stat= -p "$1" 2>/dev/null) || return 0
    [[ $state == Z* ]]
}

# stop_process PID: asks it to end, and makes it after 5 s.
stop_process() {
    local pid=$1
    [[ -n $pid ]] || return 0
    if ! ended "$pid"; then
        kill "$pid" 2>/dev/null
        wait_until 5 ended "$pid" || kill -KILL "$pid" 2>/dev/null
    fi
    wait "$pid" 2>/dev/null
}

# start_xvfb: a virtual X server on a free display number, written once it accepts clients; sets
# DISPLAY and $xvfb. It does not reset as its last client leaves: the program can start again.
start_xvfb() {
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -s 0 -noreset 3>"$tmp/display" \
        2>"$tmp/xvfb.err" &
    xvfb=$!
    # shellcheck disable=SC2317 # called through wait_until
    display_ready() { [[ -s $tmp/display ]] || ended "$xvfb"; }
    wait_until 20 display_ready || return 1
    [[ -s $tmp/display ]] || return 1
    DISPLAY=:$(tr -d '[:space:]' <"$tmp/display")
    export DISPLAY
}
