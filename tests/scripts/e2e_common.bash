# Shared by the end-to-end scripts: a private X server, the game started in a scratch folder,
# the player's mouse and keyboard, and reading the board off a screenshot.
#
# Sourced with the build folder and the source folder as $1 and $2.

set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/xvfb.bash"

BUILD_DIR=$(cd "$1" && pwd)
SOURCE_DIR=$(cd "$2" && pwd)
GAME="$BUILD_DIR/quorvel"
# The client area is 594 x 551, at the bottom of the top-level window under its menu bar.
CLIENT_HEIGHT=551
# The scale the game is started with (GDK_SCALE, which GNOME sets to 2 for a HiDPI screen):
# each client pixel shows as SCALE x SCALE screen pixels.
SCALE=1
# GTK leaks by design; the game's own leaks are the unit tests' business.
export ASAN_OPTIONS=detect_leaks=0
export NO_AT_BRIDGE=1

WORK=$(mktemp -d /tmp/quorvel-e2e-XXXXXX)
XVFB_PID=""
GAME_PID=""
# A failed run leaves its scratch folder, screenshot and game log behind to look at.
KEEP_WORK=""

cleanup() {
    [ -n "$GAME_PID" ] && kill "$GAME_PID" 2>/dev/null || true
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
    [ -n "$KEEP_WORK" ] || rm -rf "$WORK"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    if [ -s "$WORK/game.log" ]; then
        echo "the game said:" >&2
        tail -n 20 "$WORK/game.log" >&2
    fi
    if [ -n "${DISPLAY:-}" ]; then
        import -window root "$WORK/failure.png" 2>/dev/null &&
            echo "screenshot: $WORK/failure.png" >&2
    fi
    KEEP_WORK=1
    exit 1
}

# Timing limits bind the optimised build that `make run` plays; a Debug or sanitized build
# only reports its figures.
optimised_build() {
    grep -Eq '^CMAKE_BUILD_TYPE:STRING=(Release|RelWithDebInfo|MinSizeRel)$' \
        "$BUILD_DIR/CMakeCache.txt" &&
        ! grep -q '^QUORVEL_SANITIZE:BOOL=ON$' "$BUILD_DIR/CMakeCache.txt"
}

# A Debug or sanitized build starts and draws several times slower, the more so on a busy
# machine: its waits for the screen are that much longer.
if optimised_build; then WAIT_SCALE=1; else WAIT_SCALE=4; fi

start_xvfb() { start_private_xvfb "$WORK" "$@" || fail "no X server could be started"; }

# A fresh scratch folder holding the game's images, as `make run` has the repository root.
make_game_folder() {
    GAME_DIR="$WORK/game"
    rm -rf "$GAME_DIR"
    mkdir -p "$GAME_DIR"
    cp -r "$SOURCE_DIR/Grafik" "$GAME_DIR/Grafik"
}

# Starts the game in $GAME_DIR; START_NS is when it was started.
start_game() {
    START_NS=$(date +%s%N)
    (cd "$GAME_DIR" && GDK_SCALE=$SCALE exec "$GAME" >"$WORK/game.log" 2>&1) &
    GAME_PID=$!
}

# An ended game that was not waited for yet is a zombie, which `kill -0` still finds.
game_running() {
    local state
    state=$(sed 's/.*) //' "/proc/$GAME_PID/stat" 2>/dev/null | cut -c1) || return 1
    [ -n "$state" ] && [ "$state" != Z ]
}

# A title as a pattern for `xdotool search`: its own characters literally, except that a
# letter beyond ASCII (the window name may hold it as UTF-8 or as Latin-1) matches any bytes.
title_pattern() {
    printf '^%s$' "$(printf '%s' "$1" | LC_ALL=C sed -e 's/[][().*+?^$|\\{}]/\\&/g' \
        -e 's/[\x80-\xff][\x80-\xff]*/.+/g')"
}

# The id of a shown top-level window whose title matches the pattern; false for none.
shown_window() {
    local id
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 || true)
    [ -n "$id" ] && echo "$id"
}
no_shown_window() { ! shown_window "$1" >/dev/null; }

# Waits for a top-level window of exactly this title; prints its id.
wait_window() { wait_for "${2:-10}" shown_window "$(title_pattern "$1")"; }

window_gone() { wait_for "${2:-10}" no_shown_window "$(title_pattern "$1")"; }

# Sets CLIENT_X and CLIENT_Y, the screen position of the main window's client area.
find_client_area() {
    local id geometry x y height
    id=$(wait_window "Quorvel 2.0") || fail "the window \"Quorvel 2.0\" did not appear"
    geometry=$(xdotool getwindowgeometry --shell "$id")
    x=$(echo "$geometry" | sed -n 's/^X=//p')
    y=$(echo "$geometry" | sed -n 's/^Y=//p')
    height=$(echo "$geometry" | sed -n 's/^HEIGHT=//p')
    CLIENT_X=$x
    CLIENT_Y=$((y + height - CLIENT_HEIGHT * SCALE))
}

click_client() {
    xdotool mousemove $((CLIENT_X + $1 * SCALE)) $((CLIENT_Y + $2 * SCALE)) click 1
    sleep 0.05
}

# The centre of hole $1 in client pixels, as "x y".
hole_centre() {
    local index=$1 row=0 first=(0 3 6 13 20 27 30 33)
    while [ "$index" -ge "${first[$((row + 1))]}" ]; do row=$((row + 1)); done
    local length=$((first[row + 1] - first[row])) x0=180
    [ "$length" -eq 7 ] && x0=72
    echo $((x0 + 54 * (index - first[row]) + 25)) $((90 + 54 * row + 25))
}

click_hole() {
    # shellcheck disable=SC2046
    click_client $(hole_centre "$1")
}

# Presses keys in the window of this title, once it shows.
keys_in_window() {
    local title=$1 id
    shift
    id=$(wait_window "$title") || fail "no window \"$title\""
    xdotool windowfocus --sync "$id" 2>/dev/null || true
    xdotool key --window "$id" "$@"
}

# The pixel of image $1 at ($2, $3) as "r g b".
pixel_rgb() {
    local at="p{$2,$3}"
    convert "$1" -format "%[fx:int(255*$at.r)] %[fx:int(255*$at.g)] %[fx:int(255*$at.b)]" info:
}

# The centre pixel of a hole's image as "r g b".
image_centre_rgb() { pixel_rgb "$1" 25 25; }

load_cell_references() {
    PEG_RGB=$(image_centre_rgb "$SOURCE_DIR/Grafik/spielstein.png")
    HOLE_RGB=$(image_centre_rgb "$SOURCE_DIR/Grafik/loch.png")
    ACTIVE_RGB=$(image_centre_rgb "$SOURCE_DIR/Grafik/spielsteinaktiv.png")
}

# Reads the 33 holes off a screenshot: P a peg, A the selected peg, H an empty hole, ? covered
# (the blinking prompt, a points label or the hot-peg badge).
board_state() {
    local shot=$1 format="" i
    for i in $(seq 0 32); do
        read -r x y <<<"$(hole_centre "$i")"
        x=$((CLIENT_X + x * SCALE))
        y=$((CLIENT_Y + y * SCALE))
        format+="%[fx:int(255*p{$x,$y}.r)] %[fx:int(255*p{$x,$y}.g)] %[fx:int(255*p{$x,$y}.b)]\n"
    done
    convert "$shot" -format "$format" info: | awk -v peg="$PEG_RGB" -v hole="$HOLE_RGB" \
        -v active="$ACTIVE_RGB" '
        function near(ref, r, g, b,   c) {
            split(ref, c, " ")
            return (r - c[1]) ^ 2 < 100 && (g - c[2]) ^ 2 < 100 && (b - c[3]) ^ 2 < 100
        }
        { s = s (near(peg, $1, $2, $3) ? "P" : near(hole, $1, $2, $3) ? "H" : \
                 near(active, $1, $2, $3) ? "A" : "?") }
        END { print s }'
}

# True when a shown board agrees with the expected one: every hole in $3 (a list of indices)
# must show exactly what is expected; elsewhere a covered hole (?) agrees with anything.
board_agrees() {
    local expected=$1 shown=$2 i
    shift 2
    for i in $(seq 0 32); do
        local e=${expected:$i:1} s=${shown:$i:1}
        if [[ " $* " == *" $i "* ]]; then
            [ "$e" = "$s" ] || return 1
        elif [ "$s" != "?" ] && [ "$e" != "$s" ]; then
            return 1
        fi
    done
}

# True when a look at the screen shows this board (see board_agrees); SHOWN_BOARD is what it
# showed. The look comes after a pause of random length: on a busy machine a look can take as
# long as the prompt's blink, and looks a blink apart would all find it in the same half.
board_shown() {
    sleep "$(printf '0.%02d' $((RANDOM % 45 + 5)))"
    import -window root "$WORK/board.png"
    SHOWN_BOARD=$(board_state "$WORK/board.png")
    board_agrees "$1" "$SHOWN_BOARD" "${@:2}"
}

# Waits up to $2 seconds until the screen shows board $1, the holes listed after it uncovered.
wait_board() {
    wait_for "$2" board_shown "$1" "${@:3}" && return 0
    echo "expected board $1" >&2
    echo "shown board    $SHOWN_BOARD" >&2
    return 1
}

# The board as a string of 33 characters from a list of empty holes and the selected one.
board_with() {
    local selected=$1 s="" i
    shift
    for i in $(seq 0 32); do
        if [ "$i" = "$selected" ]; then
            s+="A"
        elif [[ " $* " == *" $i "* ]]; then
            s+="H"
        else
            s+="P"
        fi
    done
    echo "$s"
}

# The ids of the game's shown windows, its drop-down menus among them, sorted as text.
game_windows() { xdotool search --onlyvisible --class '^quorvel$' 2>/dev/null | sort || true; }

# Chooses a menu entry as a player does: a click on the title on the menu bar, then a click on
# the entry in the drop-down once it shows under it; done when the drop-down has gone. Titles by
# their x in the client area, entries by their y below the menu bar (25 pixels an entry, 1 a
# separator).
MENU_SPIEL=24
MENU_INFO=68
ENTRY_NEU=13
ENTRY_ACTION_MODUS=38
ENTRY_SPIEL_BEENDEN=64
ENTRY_HIGHSCORELISTE=13
ENTRY_CREDITS=38
# The game's shown window that is not among those in $1; false for none.
window_beyond() {
    local id
    id=$(comm -13 <(echo "$1") <(game_windows) | head -1 || true)
    [ -n "$id" ] && echo "$id"
}
window_closed() { ! grep -qx "$1" <<<"$(game_windows)"; }
# Opens the drop-down under the title at $1; DROP_DOWN is its window.
open_menu() {
    local before
    before=$(game_windows)
    xdotool mousemove $((CLIENT_X + $1 * SCALE)) $((CLIENT_Y - 12 * SCALE)) click 1
    DROP_DOWN=$(wait_for 5 window_beyond "$before") || fail "the menu at $1 did not open"
}
choose_menu() {
    open_menu "$1"
    xdotool mousemove $((CLIENT_X + ($1 + 30) * SCALE)) $((CLIENT_Y + $2 * SCALE)) click 1
    wait_for 5 window_closed "$DROP_DOWN" || fail "the menu at $1 stayed open"
}

# Milliseconds of CPU time the process has used so far.
cpu_ms() {
    local ticks
    ticks=$(awk '{ print $14 + $15 }' "/proc/$1/stat")
    echo $((ticks * 1000 / $(getconf CLK_TCK)))
}

game_cpu_ms() { cpu_ms "$GAME_PID"; }

# True when the game's log holds no warning or critical from GTK or GLib.
quiet_log() { ! grep -E -- '-(WARNING|CRITICAL) \*\*' "$WORK/game.log"; }

# Waits up to $1 seconds (10 unless given) for the game to end by itself, which it must do
# with status 0.
game_stopped() { ! game_running; }
wait_game_end() {
    local status=0
    wait_for "${1:-10}" game_stopped || fail "the game did not end"
    wait "$GAME_PID" || status=$?
    GAME_PID=""
    [ "$status" -eq 0 ] || fail "the game ended with status $status: $(cat "$WORK/game.log")"
}

# Quits through "Spiel", "Spiel beenden" and "Ja".
quit_game() {
    choose_menu "$MENU_SPIEL" "$ENTRY_SPIEL_BEENDEN"
    keys_in_window "Spiel Beenden" Return
    wait_game_end
}
