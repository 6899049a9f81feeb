#!/bin/bash
# The Win32 layer on GTK under Xvfb, driven with xdotool like a player: the
# window with its menu, clicks in client coordinates, a message box and both
# dialogs answering mouse and keyboard, and frames paced to the display.
# A failed run leaves its scratch folder with the screenshots behind to look at.
# Usage: win32_gtk_probe.sh <build_dir> <source_dir>
# ctest: run alone (it times the frame pacing)
set -u
build=$1
source=$2
probe=$build/tests/win32_gtk_probe
work=$(mktemp -d)
shots=$work/shots
mkdir -p "$shots"
keep_work=""
export ASAN_OPTIONS=detect_leaks=0
export NO_AT_BRIDGE=1
source "$(dirname "$0")/xvfb.bash"

XVFB_PID=""
probe_pid=""
cleanup() {
    [ -n "$probe_pid" ] && kill "$probe_pid" 2>/dev/null
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null
    wait 2>/dev/null
    [ -n "$keep_work" ] || rm -rf "$work"
}
trap cleanup EXIT
start_private_xvfb "$work" || { echo "FAIL: no X server could be started"; exit 1; }
# A German keyboard gives the umlauts keys of their own: xdotool otherwise borrows a spare
# keycode for each, and a busy server can take the key before the borrowed mapping.
setxkbmap de

fail() {
    echo "FAIL: $*"
    keep_work=1
    echo "--- screenshots kept in $shots"
    echo "--- probe output"
    cat "$work/log"
    echo "--- probe errors"
    cat "$work/err"
    exit 1
}
count() { grep -cxF -- "$1" "$work/log"; }
reported() { [ "$(count "$1")" -ge "$2" ]; }
# Waits up to 10 s until the probe has reported the line (at least $2 times).
expect() {
    wait_for 10 reported "$1" "${2:-1}" || fail "expected '$1' (${2:-1} times)"
}
# Pointer there in two steps (GTK takes a click only after it saw the pointer
# arrive), then the left button: the server hands GTK the events in that order.
click_at() {
    xdotool mousemove $(($1 - 1)) "$2" mousemove "$1" "$2" click 1
}
# The geometry (X, Y, WIDTH, HEIGHT) of the shown window with this exact title.
find_window() {
    local pattern id
    pattern=$(printf '%s' "$1" | sed 's/[][()!.*+?^$|{}\\]/\\&/g')
    id=$(wait_for 10 xdotool search --onlyvisible --limit 1 --name "^$pattern\$" 2>/dev/null) ||
        fail "no window titled '$1'"
    eval "$(xdotool getwindowgeometry --shell "$id")"
}
# Puts the pointer over the window with this exact title (keys go there).
point_at_window() {
    find_window "$1"
    xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2))
}
shoot() { import -window root "$shots/$1.png"; }
pixel() { convert "$shots/$1.png" -format "%[hex:p{$2,$3}]" info:; }
# Shoots the screen as $1 and tells whether the pixel at ($2, $3) has the colour $4.
shows_colour() {
    shoot "$1"
    [ "$(pixel "$1" "$2" "$3")" = "$4" ]
}

"$probe" >"$work/log" 2>"$work/err" &
probe_pid=$!

# The window: the game's size, centred on the 1024 x 768 screen, shown with a
# first paint; WM_MOVE tells where its client area is.
expect "WINDOW 212 84 CLIENT 594 551"
expect "PAINT"
wait_for 10 grep -q "^MOVE " "$work/log" || fail "no WM_MOVE reported"
read -r _ cx cy < <(grep -m1 "^MOVE " "$work/log")
[ "$cx" = 212 ] || fail "client area should start at the window's left edge, not $cx"
[ "$cy" -gt 84 ] || fail "the menu bar should stand above the client area"
# The frame is shown 1:1: the probe's white marker is at client (100, 50).
wait_for 10 shows_colour 1-window $((cx + 100)) $((cy + 50)) FFFFFF ||
    fail "marker not at client (100, 50)"
[ "$(pixel 1-window $((cx + 99)) $((cy + 50)))" != FFFFFF ] || fail "marker too far left"
[ "$(pixel 1-window $((cx + 593)) $((cy + 550)))" != 000000 ] || fail "client area smaller than 594 x 551"
# Icon 107 is the window's icon: pixel for pixel the 24-bit image of the icon
# file as ImageMagick reads it (clear where its mask is), as ARGB numbers.
find_window "Quorvel 2.0"
icon=$(xprop -id "$WINDOW" -notype -f _NET_WM_ICON 32c _NET_WM_ICON | sed 's/^[^=]*= //' |
    tr -d ' ' | cut -d, -f1-1026)
drawn=$(convert "$source/resources/icon107.ico[0]" -depth 8 txt:- | awk -F'[(),]' '
    NR > 1 { printf ",%.0f", $6 ? $6 * 16777216 + $3 * 65536 + $4 * 256 + $5 : 0 }')
[ "$icon" = "32,32$drawn" ] || fail "the window's icon is not the 32 x 32 image of icon107.ico"
# Cursor 105 over the client area: the cursor file's arrow, tip on its hotspot (0, 1).
xdotool mousemove $((cx + 300)) $((cy + 300))
arrow=$(convert "$source/resources/cursor105.cur" -depth 8 txt:- | awk -F'[(),]' '
    NR > 1 { printf "%s%s", $6 == 0 ? "." : $3 + $4 + $5 == 0 ? "B" : "W", $1 == 31 ? "\n" : "" }')
pointer_is_arrow() {
    pointer=$("$build/tests/pointer_image") || fail "the pointer cannot be read"
    [ "$pointer" = "$(printf '32 32 0 1\n%s' "$arrow")" ]
}
wait_for 5 pointer_is_arrow || fail "the pointer is not cursor 105: $pointer"
# The window cannot be resized.
hints=$(xprop -id "$WINDOW" WM_NORMAL_HINTS)
smallest=$(echo "$hints" | sed -n 's/.*minimum size: //p')
largest=$(echo "$hints" | sed -n 's/.*maximum size: //p')
[ -n "$smallest" ] && [ "$smallest" = "$largest" ] || fail "the window can be resized"

# Clicks: client coordinates, each press of a double click, no other buttons.
click_at $((cx + 100)) $((cy + 50))
expect "CLICK 100 50"
xdotool mousemove $((cx + 593)) $((cy + 550)) click --repeat 2 --delay 100 1
expect "CLICK 593 550" 2
# A left click after the others reports after anything they would have reported.
xdotool mousemove $((cx + 300)) $((cy + 300)) click 3 click 2
click_at $((cx + 301)) $((cy + 300))
expect "CLICK 301 300"
[ "$(count "CLICK 300 300")" = 0 ] || fail "right and middle buttons must not click"

# Menu positions from the window's top-left corner (212, 84).
spiel="236 96"
info="280 96"
first_item=121
second_item=147
third_item=173
shown_windows() { xdotool search --onlyvisible --class win32_gtk_probe 2>/dev/null | wc -l; }
# Waits until the number of shown windows compares so ($1, as for `[`) with $2:
# -gt a count taken before a menu opened, -le one taken before it closed.
shown_windows_compare() { [ "$(shown_windows)" "$1" "$2" ]; }
wait_shown() {
    wait_for 10 shown_windows_compare "$1" "$2" || fail "$(shown_windows) windows shown, not $1 $2"
}
# Opens a menu by its title and waits for the pop-up to show.
open_menu() {
    local before
    before=$(shown_windows)
    click_at "$1" "$2"
    wait_shown -gt "$before"
}
choose() { # title position, then item y
    open_menu "$1" "$2"
    click_at $(($1 + 30)) "$3"
}

# "Neu": a yes/no box over the window; Enter answers Yes (the first button),
# Escape and Tab-Enter answer No; the window keeps painting meanwhile.
choose $spiel $first_item
expect "COMMAND 40001"
paints_before=$(count PAINT)
point_at_window "Neues Spiel"
shoot 2-box
xdotool key Return
expect "BOX 6"
choose $spiel $first_item
expect "COMMAND 40001" 2
point_at_window "Neues Spiel"
xdotool key Escape
expect "BOX 7"
choose $spiel $first_item
expect "COMMAND 40001" 3
point_at_window "Neues Spiel"
xdotool key Tab Return
expect "BOX 7" 2
[ "$(count PAINT)" -gt "$paints_before" ] || fail "no paint while the box was up"

# The name dialog: Escape and the close box ask with IDCANCEL and it stays;
# Enter in the text box presses "Highscore eintragen"; typed umlauts arrive
# as one Windows-1252 byte each, at most 19 of them.
choose $info $second_item
expect "COMMAND 40004"
point_at_window "Glückwunsch Highscore! (Action Mode)"
shoot 3-name-dialog
xdotool key Escape
expect "NAME-COMMAND 2"
find_window "Glückwunsch Highscore! (Action Mode)"
click_at $((X + WIDTH - 24)) $((Y + 25))
expect "NAME-COMMAND 2" 2
point_at_window "Glückwunsch Highscore! (Action Mode)"
xdotool key Tab ctrl+a
xdotool type --delay 40 "Jürgen"
shoot 4-name-typed
xdotool key Return
expect "NAME 4a fc 72 67 65 6e"
expect "NAME-CLOSED"
choose $info $second_item
expect "COMMAND 40004" 2
point_at_window "Glückwunsch Highscore! (Action Mode)"
xdotool key Tab ctrl+a
xdotool type --delay 30 "Jürgen Müller-Lüdenscheid"
xdotool key Return
expect "NAME 4a fc 72 67 65 6e 20 4d fc 6c 6c 65 72 2d 4c fc 64 65 6e"
expect "NAME-CLOSED" 2

# The list dialog: the focus starts on "OK"; Tab reaches "Liste löschen",
# whose box (owned by the dialog) answers No on Escape; Enter on the focused
# "OK" ends it.
choose $info $first_item
expect "COMMAND 40003"
point_at_window "Die Top 5 Quorvel Player (Action Mode)"
shoot 5-list-dialog
xdotool key Tab Return
expect "LIST-COMMAND 1008"
point_at_window "Reset"
shoot 6-list-box
xdotool key Escape
expect "LIST-BOX 7"
point_at_window "Die Top 5 Quorvel Player (Action Mode)"
xdotool key Escape
expect "LIST-COMMAND 2"
xdotool key Tab Return
expect "LIST-COMMAND 1007"
expect "LIST-CLOSED"

# "Action Modus": the program unticks it and greys "Highscoreliste", which then
# cannot be chosen.
choose $spiel $second_item
expect "TICK 0"
menus_closed=$(shown_windows)
open_menu $info
shoot 7-greyed-menu
click_at $(($(echo $info | cut -d' ' -f1) + 30)) $first_item
xdotool key Escape
wait_shown -le "$menus_closed"

# "Spiel beenden": the window goes, the loop ends; presentation was paced.
choose $spiel $third_item
expect "DESTROY"
# What the greyed item might have sent came before.
[ "$(count "COMMAND 40003")" = 1 ] || fail "a greyed item was chosen"
# An ended probe not yet waited for is a zombie, which `kill -0` still finds.
probe_ended() { [ "$(cut -d' ' -f3 "/proc/$probe_pid/stat" 2>/dev/null || echo Z)" = Z ]; }
wait_for 5 probe_ended || fail "the probe did not end with its window"
wait "$probe_pid"
status=$?
probe_pid=""
[ "$status" = 0 ] || fail "probe ended with status $status"
read -r _ frames _ milliseconds < <(grep -m1 "^FRAMES " "$work/log")
[ "$milliseconds" -gt 0 ] || fail "no time passed"
fps=$((frames * 1000 / milliseconds))
echo "frames: $frames in $milliseconds ms ($fps per second)"
[ "$fps" -le 70 ] || fail "presentation not paced: $fps frames per second"
[ "$fps" -ge 10 ] || fail "presentation too slow: $fps frames per second"
echo "PASS"
