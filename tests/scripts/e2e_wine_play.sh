# The Windows program as a Windows player gets it: the zip from `make windows`, unpacked and
# played under Wine in a private X server. The window "Quorvel 2.0" stands centred on the screen
# and shows the start picture the Linux game shows, 32 pegs around the empty centre; "Action
# Modus" loses its tick and gets it back; hole 4 and then the centre make the first jump; the
# close box ends the game and both lists are saved. A second run loads an existing list and
# replaces it with its own save.
#
# Wine brings its own Direct3D 9 and D3DX: D3DX stretches every image to a power-of-two texture
# and the frame may come out a pixel apart from ours, so pictures are compared with a tolerance.
source "$(dirname "$0")/e2e_common.bash"

ZIP="$SOURCE_DIR/build-windows/quorvel-windows.zip"
# Wine, with no window manager beside it, draws the window's frame itself, close box included.
CLOSE_BOX_FROM_RIGHT=14
CLOSE_BOX_Y=12
# Wine's drop-down menus open at the client area's top-left corner, below the menu bar: the
# entry "Action Modus" by its y below it, the tick's cell (x, y, size) at its left, and a spot
# of the drop-down's white right of "Spiel beenden", where the frame shows wood.
ENTRY_Y_ACTION_MODUS=37
TICK_CELL=(4 31 12)
MENU_WHITE=(112 60)

skip() {
    echo "SKIP: $*"
    exit 77
}

[ -f "$ZIP" ] || fail "no $ZIP: \`make windows\` builds it"
command -v wine >/dev/null || skip "Wine is not installed here (\`make windows\` installs it)"

# A prefix of our own, quiet, that offers no Mono or Gecko to install.
export WINEPREFIX="$WORK/wine" WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# Nothing paces the frame loop under Xvfb, where Wine's Direct3D draws with Mesa's software
# OpenGL: one drawing thread keeps it to a core of the machine.
export LP_NUM_THREADS=1
# Wine's server stops with the test; a failed run keeps its folder to look at, but not the prefix.
trap 'wineserver -k 2>/dev/null; wineserver -w 2>/dev/null; rm -rf "$WINEPREFIX"; cleanup' EXIT

start_xvfb

# The first start of Wine builds the prefix, which takes a while; a Wine that cannot even do
# that cannot run here at all.
started=$(date +%s)
if ! timeout 600 wineboot --init >"$WORK/wineboot.log" 2>&1 || ! wineserver -w; then
    skip "Wine cannot start here: $(tail -n 5 "$WORK/wineboot.log")"
fi
echo "Wine prefix made in $(($(date +%s) - started)) s"
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 ||
    fail "Wine's registry cannot be set"

# The client area of the window whose top-level X window is $1: Direct3D presents into a child
# window of Wine's that covers it exactly.
find_wine_client_area() {
    local position
    position=$(xwininfo -children -id "$1" | awk '/^ *0x/ { print $NF; exit }')
    IFS=+ read -r _ CLIENT_X CLIENT_Y <<<"$position"
    [ -n "$CLIENT_Y" ] || fail "the window \"Quorvel 2.0\" has no client area"
}

# The client area in a screenshot, cut to the size both programs' client areas share.
client_picture() {
    convert "$1" -crop "594x551+$CLIENT_X+$CLIENT_Y" +repage "$2"
}

# The pixels where two client pictures differ by more than 15 % in patches at least three
# pixels wide: a resampled image differs from its original along edges, in lines one pixel
# wide, which do not count. The best of the shifts by up to one pixel each way counts; the
# start prompt blinks, so its place is left out.
differing_pixels() {
    local best="" dx dy count prompt="109,219 458,283"
    convert "$1" -crop 590x547+1+1 +repage -fill black -draw "rectangle $prompt" "$WORK/a.png"
    for dx in 0 1 2; do
        for dy in 0 1 2; do
            convert "$2" -crop "590x547+$dx+$dy" +repage -fill black -draw "rectangle $prompt" \
                "$WORK/b.png"
            compare -fuzz 15% "$WORK/a.png" "$WORK/b.png" -compose src -highlight-color white \
                -lowlight-color black "$WORK/differences.png" 2>/dev/null || true
            count=$(convert "$WORK/differences.png" -colorspace gray -morphology Erode Square:1 \
                -format '%[fx:int(w*h*mean)]' info:)
            if [ -z "$best" ] || [ "$count" -lt "$best" ]; then best=$count; fi
        done
    done
    echo "$best"
}

# The Linux game's first picture, the reference for Wine's.
make_game_folder
load_cell_references
start_game
find_client_area
wait_board "$(board_with -1 16)" 10 $(seq 0 32) || fail "the Linux game shows no board"
client_picture "$WORK/board.png" "$WORK/linux.png"
kill "$GAME_PID"
wait "$GAME_PID" 2>/dev/null || true
GAME_PID=""
window_gone "Quorvel 2.0" || fail "the Linux game's window stayed"

# True when a look at the screen finds the wood of the background in the client area.
wood_shown() {
    local red
    import -window root "$WORK/first.png"
    red=$(convert "$WORK/first.png" -format \
        "%[fx:int(255*p{$((CLIENT_X + 20)),$((CLIENT_Y + 540))}.r)]" info:)
    [ "$red" -gt 100 ]
}

# Starts the Windows program in $GAME_DIR and waits for its window and first frame, the wood
# of the background; FIRST_FRAME_MS is the time from the start to the frame on the screen.
start_windows_game() {
    local started
    started=$(date +%s%N)
    (cd "$GAME_DIR" && exec wine quorvel.exe >"$WORK/game.log" 2>&1) &
    GAME_PID=$!
    WINDOW_ID=$(wait_window "Quorvel 2.0" 60) || fail "the window \"Quorvel 2.0\" did not appear"
    find_wine_client_area "$WINDOW_ID"
    wait_for 60 wood_shown || fail "the window shows no frame"
    FIRST_FRAME_MS=$((($(date +%s%N) - started) / 1000000))
}

# Ends the game with a click on its close box; it must end with status 0.
close_windows_game() {
    eval "$(xdotool getwindowgeometry --shell "$WINDOW_ID")"
    xdotool mousemove $((X + WIDTH - CLOSE_BOX_FROM_RIGHT)) $((Y + CLOSE_BOX_Y)) click 1
    window_gone "Quorvel 2.0" 30 || fail "the close box did not close the window"
    wait_game_end 30
}

# True when a look at the screen finds the drop-down menu "open" or "closed" ($1), as its white
# shows or not.
menu_is() {
    local white x=$((CLIENT_X + MENU_WHITE[0])) y=$((CLIENT_Y + MENU_WHITE[1]))
    import -window root "$WORK/menu.png"
    white=$(convert "$WORK/menu.png" -format "%[fx:p{$x,$y}.b > 0.9]" info:)
    if [ "$1" = open ]; then [ "$white" = 1 ]; else [ "$white" = 0 ]; fi
}
wait_menu() { wait_for 15 menu_is "$1" || fail "the menu \"Spiel\" is not $1"; }

click_spiel() {
    xdotool mousemove $((CLIENT_X + 20)) $((CLIENT_Y - 10)) click 1
}

# The dark pixels in the tick's cell of "Action Modus", with the menu "Spiel" opened for it.
tick_pixels() {
    click_spiel
    wait_menu open
    local size=${TICK_CELL[2]} x=$((CLIENT_X + TICK_CELL[0])) y=$((CLIENT_Y + TICK_CELL[1]))
    convert "$WORK/menu.png" -crop "${size}x$size+$x+$y" +repage -colorspace gray \
        -threshold 40% -negate -format '%[fx:int(w*h*mean)]' info:
}

# Chooses "Action Modus" in the open menu, which closes it.
choose_action_mode() {
    xdotool mousemove $((CLIENT_X + 40)) $((CLIENT_Y + ENTRY_Y_ACTION_MODUS)) click 1
    wait_menu closed
}

GAME_DIR="$WORK/windows"
mkdir -p "$GAME_DIR"
(cd "$GAME_DIR" && cmake -E tar xf "$ZIP") || fail "$ZIP does not unpack"

start_windows_game
echo "start to first frame under Wine, first run: $FIRST_FRAME_MS ms"
eval "$(xdotool getwindowgeometry --shell "$WINDOW_ID")"
[ "$X,$Y,$WIDTH,$HEIGHT" = "212,84,600,600" ] ||
    fail "the window is ${WIDTH}x$HEIGHT at ($X, $Y), not 600x600 centred at (212, 84)"
wait_board "$(board_with -1 16)" 30 $(seq 0 32) || fail "no start board: 32 pegs around the centre"
client_picture "$WORK/board.png" "$WORK/wine.png"
differing=$(differing_pixels "$WORK/linux.png" "$WORK/wine.png")
echo "start picture: $differing pixels differ from the Linux game's"
[ "$differing" -lt 100 ] || fail "the start picture is not the Linux game's ($differing pixels differ)"

ticked=$(tick_pixels)
choose_action_mode
unticked=$(tick_pixels)
choose_action_mode
ticked_again=$(tick_pixels)
click_spiel
wait_menu closed
echo "tick of \"Action Modus\": $ticked, then $unticked, then $ticked_again dark pixels"
[ "$ticked" -gt 10 ] && [ "$unticked" -eq 0 ] && [ "$ticked_again" -gt 10 ] ||
    fail "\"Action Modus\" did not lose its tick and get it back"

click_hole 4
wait_board "$(board_with 4 16)" 10 4 16 || fail "peg 4 was not selected"
click_hole 16
wait_board "$(board_with 16 4 9)" 10 4 9 16 ||
    fail "the jump from 4 over 9 into the centre is not shown"

close_windows_game

# A list file: five records of a name padded with 0 bytes to 20 and a score of 4 bytes.
record() {
    printf '%s' "$1"
    head -c $((20 - ${#1})) /dev/zero
    printf '%b' "$2"
}
players() {
    for _ in $(seq "$1"); do record Player '\0\0\0\0'; done
}
players 5 >"$WORK/expected.dat"
for file in highscoreaction.dat highscorenormal.dat; do
    cmp "$GAME_DIR/$file" "$WORK/expected.dat" ||
        fail "$file is not five (\"Player\", 0) in 120 bytes"
done

# A list whose first place has a name of 20 characters without a 0 byte, and the score 2600,
# whose byte 0x0A the file stores as 0x0D 0x0A.
{ players 4 && record ABCDEFGHIJKLMNOPQRST '\x28\r\n\0\0'; } >"$GAME_DIR/highscorenormal.dat"
{ players 4 && record ABCDEFGHIJKLMNOPQRS '\x28\r\n\0\0'; } >"$WORK/expected.dat"
start_windows_game
echo "start to first frame under Wine, second run: $FIRST_FRAME_MS ms"
close_windows_game
cmp "$GAME_DIR/highscorenormal.dat" "$WORK/expected.dat" ||
    fail "the second run did not replace the list: the name of 20 characters did not come back as 19"

echo "PASS"
