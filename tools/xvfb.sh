# Sourced by the scripts that run the program on an X server of their own.
#
#   start_xvfb WORK_DIR    starts Xvfb on a free display at 96 dpi, waits until it is
#                          ready, exports DISPLAY and sets xvfb_pid; returns 1 (after
#                          printing Xvfb's log) when it does not start.
start_xvfb() {
    local work=$1
    Xvfb -displayfd 3 -screen 0 1600x1200x24 -dpi 96 -nolisten tcp 3>"$work/display" \
        2>"$work/xvfb.log" &
    xvfb_pid=$!
    for _ in $(seq 100); do
        [ -s "$work/display" ] && break
        sleep 0.1
    done
    if [ ! -s "$work/display" ]; then
        cat "$work/xvfb.log" >&2
        return 1
    fi
    export DISPLAY=":$(cat "$work/display")"
}
