# The scripts' one way to wait for something: sourced, needs nothing else.

# wait_for <seconds> <command> [args]: runs the command every 50 ms until it succeeds, for up to
# that many seconds (times WAIT_SCALE where a script sets one for a slow build); false if it
# never does.
wait_for() {
    local timeout=$1 i
    shift
    for i in $(seq $((timeout * 20 * ${WAIT_SCALE:-1}))); do
        "$@" && return 0
        sleep 0.05
    done
    return 1
}
