#!/bin/bash
# What the game costs on a desktop: CPU of the game and of the X server while the game sits at
# its blinking start prompt, and while a player jumps pegs with points labels rising; the
# game's resident memory at rest. The real binary in a private Xvfb, clicked with xdotool.
# Usage: [GDK_SCALE=2] game_cpu.sh <build_dir> <source_dir>; at scale 2, as on a HiDPI screen,
# GTK doubles each pixel the game shows.
set -euo pipefail

build=$(cd "$1" && pwd)
source_dir=$(cd "$2" && pwd)
game=$build/quorvel
stretch_seconds=6
scale=${GDK_SCALE:-1}
export NO_AT_BRIDGE=1

source "$(dirname "$0")/../tests/scripts/xvfb.bash"

work=$(mktemp -d)
XVFB_PID=""
game_pid=""
cleanup() {
    [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "game_cpu: $*" >&2
    exit 1
}

start_private_xvfb "$work" "$((1024 * scale))x$((768 * scale))" || fail "no X server"

mkdir "$work/game"
cp -r "$source_dir/Grafik" "$work/game/Grafik"
(cd "$work/game" && exec "$game" >"$work/game.log" 2>&1) &
game_pid=$!
window=""
for _ in $(seq 200); do
    window=$(xdotool search --onlyvisible --name '^Quorvel 2\.0$' 2>/dev/null | head -1 || true)
    [ -n "$window" ] && break
    sleep 0.05
done
[ -n "$window" ] || fail "the game's window did not appear"
eval "$(xdotool getwindowgeometry --shell "$window")"
# The 594 x 551 client area sits at the bottom of the window, under the menu bar.
client_x=$X
client_y=$((Y + HEIGHT - 551 * scale))

cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
# Prints "<game %> <X server %>" of one core over a stretch while the command runs.
measure() {
    local game_before x_before start end
    game_before=$(cpu_ticks "$game_pid")
    x_before=$(cpu_ticks "$XVFB_PID")
    start=$(date +%s%N)
    "$@"
    end=$(date +%s%N)
    awk -v g=$(($(cpu_ticks "$game_pid") - game_before)) -v x=$(($(cpu_ticks "$XVFB_PID") - x_before)) \
        -v ns=$((end - start)) -v hz="$(getconf CLK_TCK)" \
        'BEGIN { printf "%.1f %.1f\n", 100 * g / hz / (ns / 1e9), 100 * x / hz / (ns / 1e9) }'
}

# The centre of hole $1 on the screen, as "x y".
hole_on_screen() {
    local index=$1 row=0 first=(0 3 6 13 20 27 30 33)
    while [ "$index" -ge "${first[$((row + 1))]}" ]; do row=$((row + 1)); done
    local x0=180
    [ $((first[row + 1] - first[row])) -eq 7 ] && x0=72
    echo $((client_x + (x0 + 54 * (index - first[row]) + 25) * scale)) \
        $((client_y + (90 + 54 * row + 25) * scale))
}

# Jumps of a game that leaves one peg, a jump every half second; a hot peg in the way only
# spoils the rest of the stretch, which still shows labels rising.
play() {
    local jump deadline
    deadline=$(($(date +%s%N) + stretch_seconds * 1000000000))
    for jump in 4:16 7:9 0:8 2:0 9:7 6:8 10:2 12:10 15:3 0:8 13:15 15:3 17:15 19:17 17:5; do
        # shellcheck disable=SC2046
        xdotool mousemove $(hole_on_screen "${jump%:*}") click 1 \
            mousemove $(hole_on_screen "${jump#*:}") click 1
        sleep 0.4
        [ "$(date +%s%N)" -lt "$deadline" ] || return 0
    done
    local left=$(((deadline - $(date +%s%N)) / 1000000))
    [ "$left" -le 0 ] || sleep "$(awk -v ms="$left" 'BEGIN { print ms / 1000 }')"
}

sleep 1
read -r rest_game rest_x < <(measure sleep "$stretch_seconds")
rss_mb=$(awk '/^VmRSS/ { printf "%.0f", $2 / 1024 }' "/proc/$game_pid/status")
read -r play_game play_x < <(measure play)

awk -v g="$rest_game" -v x="$rest_x" -v rss="$rss_mb" -v s="$stretch_seconds" 'BEGIN {
    printf "At rest (%d s at the start prompt): game %.1f %%, X server %.1f %%, together %.1f %% of one core; resident %d MB\n", s, g, x, g + x, rss }'
awk -v g="$play_game" -v x="$play_x" -v s="$stretch_seconds" 'BEGIN {
    printf "In play (%d s of jumps, labels rising): game %.1f %%, X server %.1f %%, together %.1f %% of one core\n", s, g, x, g + x }'
