# A message box and a dialog opened over the window and closed again leave the window as it
# was: what they covered is painted again whole, though the game sends nothing new to the
# display at rest. Watched at the start prompt, where nothing moves but the prompt itself.
# At scale 2 the window shown part by part after a jump equals its whole repaint.
source "$(dirname "$0")/e2e_common.bash"

# The blinking prompt's place in the client area, left out of the comparison.
PROMPT="110,220 459,284"

# Room for the window at scale 2.
SCREEN_SIZE=1400x1300
start_xvfb "$SCREEN_SIZE"
make_game_folder
load_cell_references
start_game
find_client_area
xdotool mousemove 0 0
wait_board "$(board_with -1 16)" 10 || fail "the board is not shown"

# The client area with the prompt blacked out.
shoot_client() {
    import -window root "$WORK/root.png"
    convert "$WORK/root.png" -crop "594x${CLIENT_HEIGHT}+$CLIENT_X+$CLIENT_Y" +repage \
        -fill black -draw "rectangle $PROMPT" "$WORK/$1.png"
}

# The number of pixels in which the shot $1 differs from the shot before any window opened.
pixels_changed() { compare -metric AE "$WORK/before.png" "$WORK/$1.png" null: 2>&1 || true; }

# Shoots the client area as $1 and tells whether it is the same as before ("same") or not
# ("changed").
shot_is() {
    local differing
    shoot_client "$1"
    differing=$(pixels_changed "$1")
    if [ "$2" = same ]; then [ "$differing" = 0 ]; else [ "$differing" != 0 ]; fi
}
# The same, shot again until it is so, for up to 10 s.
shoot_until() { wait_for 10 shot_is "$@"; }

# Fails unless the window of this title lies over part of the client area.
expect_over_client() {
    local id
    id=$(wait_window "$1") || fail "no window \"$1\""
    eval "$(xdotool getwindowgeometry --shell "$id")"
    [ "$X" -lt $((CLIENT_X + 594)) ] && [ $((X + WIDTH)) -gt "$CLIENT_X" ] &&
        [ "$Y" -lt $((CLIENT_Y + CLIENT_HEIGHT)) ] && [ $((Y + HEIGHT)) -gt "$CLIENT_Y" ] ||
        fail "\"$1\" does not lie over the game"
    xdotool mousemove 0 0
    shoot_until covered changed || fail "\"$1\" is not shown over the game"
}

shoot_client before

choose_menu "$MENU_SPIEL" "$ENTRY_NEU"
expect_over_client "Neues Spiel"
keys_in_window "Neues Spiel" Tab Return
window_gone "Neues Spiel" || fail "the box stayed"

choose_menu "$MENU_INFO" "$ENTRY_HIGHSCORELISTE"
expect_over_client "Die Top 5 Quorvel Player (Action Mode)"
keys_in_window "Die Top 5 Quorvel Player (Action Mode)" Return
window_gone "Die Top 5 Quorvel Player (Action Mode)" || fail "the list stayed"

xdotool mousemove 0 0
if ! shoot_until after same; then
    differing=$(pixels_changed after)
    cp "$WORK/before.png" /tmp/e2e_repaint-before.png
    cp "$WORK/after.png" /tmp/e2e_repaint-after.png
    fail "$differing pixels differ after the box and the list closed" \
        "(/tmp/e2e_repaint-before.png, /tmp/e2e_repaint-after.png)"
fi
game_running || fail "the game ended"

# At scale 2 GTK doubles each pixel, and a part presented alone must show just what a whole
# repaint shows: no filter may blend its edge with the pixels around it. The jump's label rises
# in damage-only presents, then the box holds the game while a window mapped over the screen
# and taken away again, as xrefresh does, has it all painted again.
kill "$GAME_PID"
window_gone "Quorvel 2.0" || fail "the game stayed"
SCALE=2
start_game
find_client_area
click_hole 4
click_hole 16
choose_menu "$MENU_SPIEL" "$ENTRY_NEU"
wait_window "Neues Spiel" >/dev/null || fail "no box at scale 2"
xdotool mousemove 0 0
import -window root "$WORK/parts.ppm"
xmessage -geometry "$SCREEN_SIZE+0+0" refresh &
wait_window xmessage >/dev/null || fail "the screen was not covered"
kill $!
window_gone xmessage || fail "the screen stayed covered"
repainted_alike() {
    import -window root "$WORK/whole.ppm" && cmp -s "$WORK/parts.ppm" "$WORK/whole.ppm"
}
wait_for 2 repainted_alike ||
    fail "$(compare -metric AE "$WORK/parts.ppm" "$WORK/whole.ppm" null: 2>&1) pixels of" \
        "$WORK/parts.ppm differ from its whole repaint $WORK/whole.ppm"
keys_in_window "Neues Spiel" Tab Return
wait_board "$(board_with 16 4 9)" 10 4 9 16 || fail "the jump is not shown at scale 2"
echo "PASS"
