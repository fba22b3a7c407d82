# Sourced by the system tests that start the program and a display server: waiting with a
# deadline, and ending the processes they started.

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
