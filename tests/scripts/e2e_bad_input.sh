# Bad input a player could cause: highscore files that are empty, short, 10 MB long or without
# a single 0 byte; no "Grafik" folder; a truncated PNG. Each time the game starts, shows the
# list, plays a jump and quits without a crash, and the files it writes are well-formed.
source "$(dirname "$0")/e2e_common.bash"

# A highscore file is well-formed when undoing its line-end translation (0D 0A to 0A) gives
# the 120-byte image of five records whose names end within their 20 bytes.
well_formed() {
    perl -e '
        local $/;
        open(my $f, "<:raw", $ARGV[0]) or exit 1;
        my $image = <$f>;
        $image =~ s/\r\n/\n/g;
        exit 1 if length($image) != 120;
        for my $i (0 .. 4) {
            exit 1 if index(substr($image, 24 * $i, 20), "\0") < 0;
        }' "$1"
}

play_a_little_and_quit() {
    local name=$1
    start_game
    find_client_area
    choose_menu "$MENU_INFO" "$ENTRY_HIGHSCORELISTE"
    wait_window "Die Top 5 Quorvel Player (Action Mode)" >/dev/null ||
        fail "$name: the list did not open"
    keys_in_window "Die Top 5 Quorvel Player (Action Mode)" Return
    click_hole 4
    click_hole 16
    game_running || fail "$name: the game ended by itself: $(cat "$WORK/game.log")"
    quit_game
    for file in highscoreaction.dat highscorenormal.dat; do
        well_formed "$GAME_DIR/$file" || fail "$name: $file is not well-formed"
    done
    echo "$name: started, played, quit; files well-formed"
}

# Both highscore files made by the command given, in a fresh game folder.
with_highscore_files() {
    make_game_folder
    local file
    for file in highscoreaction.dat highscorenormal.dat; do
        "$@" >"$GAME_DIR/$file"
    done
}

start_xvfb

with_highscore_files true
play_a_little_and_quit empty-files

with_highscore_files head -c 50 /dev/urandom
play_a_little_and_quit short-files

with_highscore_files head -c 10485760 /dev/urandom
play_a_little_and_quit ten-megabyte-files

with_highscore_files sh -c "head -c 4000 /dev/urandom | tr '\\000' '\\001'"
play_a_little_and_quit files-without-a-zero

make_game_folder
rm -rf "$GAME_DIR/Grafik"
play_a_little_and_quit no-grafik-folder

make_game_folder
for image in spielstein.png brett.png GameOver.png 5.png; do
    truncate -s $(($(stat -c %s "$GAME_DIR/Grafik/$image") / 2)) "$GAME_DIR/Grafik/$image"
done
play_a_little_and_quit truncated-png

echo "PASS"
