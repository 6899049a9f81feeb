# A private X server for the scripts that show windows: the end-to-end tests, the GTK probe
# and the CPU bench. Sourced; needs nothing else.
#
# Xvfb picks a free display itself and says which, so parallel runs never meet on a display
# number. The server does not reset when its last client leaves: a program started right
# after another quit could be cut off by the reset.

source "$(dirname "${BASH_SOURCE[0]}")/wait_for.bash"

# start_private_xvfb <folder> [<width>x<height>]: starts the server (1024 x 768 unless given),
# its log and display number in the folder; sets XVFB_PID and exports DISPLAY once the server
# answers, and returns 1 if it never does.
start_private_xvfb() {
    local folder=$1 size=${2:-1024x768}
    Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -noreset 3>"$folder/display" \
        >"$folder/xvfb.log" 2>&1 &
    XVFB_PID=$!
    wait_for 10 xvfb_answers "$folder" || return 1
    export DISPLAY=":$(head -1 "$folder/display")"
}

# True once the server whose display number is in the folder answers.
xvfb_answers() {
    [ -s "$1/display" ] &&
        DISPLAY=":$(head -1 "$1/display")" xdotool getdisplaygeometry >/dev/null 2>&1
}
