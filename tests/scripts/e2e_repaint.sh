# A message box and a dialog opened over the window and closed again leave the window as it
# was: what they covered is painted again whole, though the game sends nothing new to the
# display at rest. Watched at the start prompt, where nothing moves but the prompt itself.
source "$(dirname "$0")/e2e_common.bash"

# The blinking prompt's place in the client area, left out of the comparison.
PROMPT="110,220 459,284"

start_xvfb
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
echo "PASS"
