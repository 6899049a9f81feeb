# A whole game in Normal mode, chosen from the menu, played to its end: the last jump leaves no
# move, "Game Over" follows, then the name dialog and the list; ended by SIGTERM while the list
# is open, the game has saved: the Normal file holds the name and the Action file is there too.
source "$(dirname "$0")/e2e_common.bash"

# 31 jumps that leave one peg, in the centre.
SOLUTION="4:16 7:9 0:8 2:0 9:7 6:8 10:2 12:10 15:3 0:8 13:15 15:3 17:15 19:17 17:5 2:10
          22:8 3:15 20:22 23:21 29:17 26:24 30:22 15:27 32:30 30:22 21:23 23:25 10:24 25:23
          28:16"
PLAYER="E2E Spieler"

start_xvfb
make_game_folder
load_cell_references
start_game
find_client_area

choose_menu "$MENU_SPIEL" "$ENTRY_ACTION_MODUS"

empty=(16)
selected=-1
for jump in $SOLUTION; do
    from=${jump%:*}
    to=${jump#*:}
    middle=$(((from + to) / 2))
    # Rows: the middle hole of a vertical jump is found by position, not by index.
    read -r fx fy <<<"$(hole_centre "$from")"
    read -r tx ty <<<"$(hole_centre "$to")"
    for i in $(seq 0 32); do
        read -r mx my <<<"$(hole_centre "$i")"
        [ "$mx" -eq $(((fx + tx) / 2)) ] && [ "$my" -eq $(((fy + ty) / 2)) ] && middle=$i
    done

    # The hot peg cannot be selected: while it wears the badge, try again.
    for try in 1 2 3 4 5 6; do
        click_hole "$from"
        wait_board "$(board_with "$from" "${empty[@]}")" 2 "$from" && break
        [ "$try" -lt 6 ] || fail "peg $from could not be selected"
    done
    click_hole "$to"
    empty=($(printf '%s\n' "${empty[@]}" "$from" "$middle" | grep -vx "$to"))
    if [ "$jump" != "28:16" ]; then
        wait_board "$(board_with "$to" "${empty[@]}")" 10 "$from" "$middle" "$to" ||
            fail "the jump $jump is not shown"
    fi
done

wait_window "Game Over" >/dev/null || fail "no \"Game Over\" box after the last jump"
keys_in_window "Game Over" Return
# The focus starts on the button; Tab leads into the name box.
keys_in_window "Glückwunsch Highscore! (Normal Mode)" Tab ctrl+a
xdotool type --delay 20 "$PLAYER"
keys_in_window "Glückwunsch Highscore! (Normal Mode)" Return
wait_window "Die Top 5 Quorvel Player (Normal Mode)" >/dev/null || fail "the list did not open"
# `kill` while the list is still open: the game ends at once, as by its close box, and saves.
kill -TERM "$GAME_PID"
wait_game_end
grep -q "$PLAYER" "$GAME_DIR/highscorenormal.dat" || fail "the Normal file lacks the name"
if grep -q "$PLAYER" "$GAME_DIR/highscoreaction.dat"; then
    fail "the name went into the Action file"
fi
[ "$(stat -c %s "$GAME_DIR/highscoreaction.dat")" -ge 120 ] || fail "the Action file is short"
echo "PASS"
