# Odd highscore files as a player's folder may hold them. A FIFO in place of one list and a
# link to the zero device in place of the other: the window appears at once, the game plays
# and quits, nothing is read from either and both stay as they were. A list that is a link
# to a file with the bits 600, and one with the bits 640: the quit writes the link's target
# and keeps the link and the bits; each new list is written to a temporary only its owner may
# read and is on disk before it replaces the old one, and the folder is synced after the swap.
# As root, a link another user planted in a folder open to all is not followed.
source "$(dirname "$0")/e2e_common.bash"

start_xvfb
load_cell_references

# As root, a zero device of the scratch folder's own, so that a game that took it for a list
# could never replace the system's.
zero_device() {
    if [ "$(id -u)" = 0 ] && mknod "$WORK/zero" c 1 5 2>/dev/null; then
        echo "$WORK/zero"
    else
        echo /dev/zero
    fi
}
ZERO=$(zero_device)

play_a_jump() {
    local name=$1
    find_client_area
    click_hole 4
    click_hole 16
    wait_board "$(board_with 16 4 9)" 10 4 9 16 || fail "$name: the jump is not shown"
}

# $1 holds the FIFO, $2 the link to the zero device.
fifo_and_device() {
    local fifo=$1 device=$2
    make_game_folder
    mkfifo "$GAME_DIR/$fifo"
    ln -s "$ZERO" "$GAME_DIR/$device"
    start_game
    wait_window "Quorvel 2.0" 10 >/dev/null || fail "$fifo a FIFO: no window"
    echo "$fifo a FIFO, $device the zero device: window after" \
        "$((($(date +%s%N) - START_NS) / 1000000)) ms"
    play_a_jump "$fifo a FIFO"
    # All the game has read so far: its images, fonts and libraries, but nothing of the device.
    local read_bytes
    read_bytes=$(awk '/^rchar:/ { print $2 }' "/proc/$GAME_PID/io")
    echo "read $((read_bytes / 1024)) KB in all"
    [ "$read_bytes" -lt $((64 * 1024 * 1024)) ] || fail "the game read $read_bytes bytes"
    quit_game
    [ -p "$GAME_DIR/$fifo" ] || fail "$fifo is no longer a FIFO"
    [ "$(readlink "$GAME_DIR/$device")" = "$ZERO" ] || fail "$device no longer leads to the device"
    [ -c "$ZERO" ] || fail "the zero device is no longer a device"
}

fifo_and_device highscoreaction.dat highscorenormal.dat
fifo_and_device highscorenormal.dat highscoreaction.dat

# The traced system calls of the quit show the order of each save.
start_game_traced() {
    (cd "$GAME_DIR" && exec strace -f -qq -o "$WORK/trace" -e trace=openat,fsync,renameat \
        "$GAME" >"$WORK/game.log" 2>&1) &
    GAME_PID=$!
}

# The temporary beside the list (named $1) is made for its owner alone, written and synced,
# renamed over the list, and the folder is synced after it.
saved_in_order() {
    awk -v list="$1" '
        function result(line) { sub(/.*= /, "", line); return line }
        step == 0 && index($0, "\"" list ".") && /O_EXCL.*, 0600\)/ { fd = result($0); step = 1 }
        step == 1 && index($0, "fsync(" fd ")") && result($0) == "0" { step = 2 }
        step == 2 && /renameat/ && index($0, "\"" list ".") && index($0, "\"" list "\")") && result($0) == "0" { step = 3 }
        step == 3 && index($0, "\".\"") && /O_DIRECTORY/ && !/O_PATH/ { fd = result($0); step = 4 }
        step == 4 && index($0, "fsync(" fd ")") && result($0) == "0" { step = 5 }
        END { exit step != 5 }' "$WORK/trace"
}

make_game_folder
mkdir "$WORK/saves"
printf 'alt' >"$WORK/saves/action.dat"
chmod 600 "$WORK/saves/action.dat"
ln -s ../saves/action.dat "$GAME_DIR/highscoreaction.dat"
printf 'alt' >"$GAME_DIR/highscorenormal.dat"
chmod 640 "$GAME_DIR/highscorenormal.dat"
start_game_traced
wait_window "Quorvel 2.0" 20 >/dev/null || fail "no window with linked lists"
play_a_jump "linked lists"
quit_game
[ "$(readlink "$GAME_DIR/highscoreaction.dat")" = ../saves/action.dat ] || fail "the link was replaced"
for list in "$WORK/saves/action.dat:600:action.dat" \
    "$GAME_DIR/highscorenormal.dat:640:highscorenormal.dat"; do
    IFS=: read -r file bits name <<<"$list"
    [ "$(stat -c %s "$file")" = 120 ] || fail "$file holds no new list"
    [ "$(stat -c %a "$file")" = "$bits" ] || fail "$file has the bits $(stat -c %a "$file")"
    saved_in_order "$name" || fail "$file was not saved in order: $(grep -E "\.dat|fsync|rename" "$WORK/trace")"
done
[ "$(find "$WORK/saves" "$GAME_DIR" -maxdepth 1 -name '*.tmp' | wc -l)" = 0 ] ||
    fail "temporaries were left"
echo "linked list and kept bits saved in order"

if [ "$(id -u)" = 0 ]; then
    make_game_folder
    chmod 777 "$GAME_DIR"
    printf 'geheim' >"$WORK/root-only" && chmod 600 "$WORK/root-only"
    ln -s "$WORK/root-only" "$GAME_DIR/highscoreaction.dat" && chown -h nobody: "$GAME_DIR/highscoreaction.dat"
    printf 'alt' >"$WORK/saves/action.dat" && ln -s ../saves/action.dat "$GAME_DIR/highscorenormal.dat"
    start_game
    wait_window "Quorvel 2.0" 20 >/dev/null || fail "no window with a planted link"
    play_a_jump "planted link"
    quit_game
    [ "$(cat "$WORK/root-only")" = geheim ] || fail "the planted link's target changed"
    [ "$(stat -c %s "$WORK/saves/action.dat")" = 120 ] || fail "root's own link was not saved through"
    echo "a link nobody planted is not followed, root's own beside it is"
fi

echo "PASS"
