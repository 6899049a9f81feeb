# Odd things a player's folder may hold in place of an image: a FIFO and a link to /dev/zero as
# the background and as the points label every slot loads, and a small PNG declaring 8192 x 8192
# as that label and as the background. Each time the window appears within seconds, the game
# plays a jump and quits, and its peak memory stays near a normal start's; nothing else is lost.
# A background of the largest side accepted still leaves room for every other image.
# ctest: run alone (it times starts against a normal one)
source "$(dirname "$0")/e2e_common.bash"

# Peak memory may exceed a normal start's by this much at most: the reading of a few files.
MEMORY_MARGIN_KB=$((64 * 1024))
# A game whose memory passes this is ended at once, so a fault costs a failure, not the machine.
MEMORY_GUARD_KB=$((2 * 1024 * 1024))

peak_kb() { awk '/^VmHWM:/ { print $2 }' "/proc/$GAME_PID/status"; }

# Ends the game should its memory run away; leaves a note that it did.
guard_memory() {
    local rss
    while kill -0 "$GAME_PID" 2>/dev/null; do
        rss=$(awk '/^VmRSS:/ { print $2 }' "/proc/$GAME_PID/status" 2>/dev/null || true)
        if [ "${rss:-0}" -gt "$MEMORY_GUARD_KB" ]; then
            echo "$rss" >"$WORK/runaway"
            kill -9 "$GAME_PID"
            return
        fi
        sleep 0.05
    done
}

# A square PNG of RGB texels in broad stripes, $2 a side: of 8192, a few hundred kilobytes of
# file and 256 MB of texels.
write_striped_png() {
    perl -MCompress::Zlib -e '
        my ($width, $height) = ($ARGV[0], $ARGV[0]);
        sub chunk {
            my ($type, $data) = @_;
            return pack("N", length $data) . $type . $data . pack("N", crc32($type . $data));
        }
        my $deflater = deflateInit(-Level => 9) or die;
        my $image = "";
        for my $y (0 .. $height - 1) {
            my ($out) = $deflater->deflate("\0" . (chr(($y >> 6) & 1 ? 0xAA : 0x33) x (3 * $width)));
            $image .= $out;
        }
        my ($out) = $deflater->flush();
        $image .= $out;
        print "\x89PNG\r\n\x1a\n", chunk("IHDR", pack("NNCCCCC", $width, $height, 8, 2, 0, 0, 0)),
            chunk("IDAT", $image), chunk("IEND", "");' "$2" >"$1"
}

# Fills the PNG to the 16 MB file limit with zTXt chunks after its header, each 9 kB in the
# file and 9 MB of zeros inflated.
fill_with_text_chunks() {
    perl -MCompress::Zlib -e '
        local $/;
        open my $in, "<", $ARGV[0] or die;
        my $png = <$in>;
        my $text = "Comment\0\0" . compress("\0" x (9 << 20), 9);
        my $chunk = pack("N", length $text) . "zTXt" . $text . pack("N", crc32("zTXt" . $text));
        my $count = int(((16 << 20) - length $png) / length $chunk);
        print substr($png, 0, 33), $chunk x $count, substr($png, 33);' "$1" >"$1.filled"
    mv "$1.filled" "$1"
}

# A grey JPEG of $2 a side in broad stripes, progressive in $3 scans: the DC, then each AC
# coefficient in a band of its own, refined bit by bit as far as the count allows.
write_many_scan_jpeg() {
    perl -e '
        my ($side, $scans) = @ARGV;
        my $refinements = $scans - 64;
        for my $band (0 .. 63) {
            my $bits = $band == 0 ? 0 : int($refinements / 63) + ($band <= $refinements % 63);
            print "0: $band $band 0 $bits;\n";
            print "0: $band $band $_ ", $_ - 1, ";\n" for reverse 1 .. $bits;
        }' "$2" "$3" >"$WORK/scans.txt"
    perl -e '
        my $side = $ARGV[0];
        print "P5\n$side $side\n255\n";
        print chr(($_ >> 6) & 1 ? 0xAA : 0x33) x $side for 0 .. $side - 1;' "$2" |
        cjpeg -quality 95 -scans "$WORK/scans.txt" -outfile "$1"
}

# The client area at the start prompt, the blinking prompt blacked out.
prompt_frame() {
    import -window root "$WORK/shot.png"
    convert "$WORK/shot.png" -crop "594x551+$CLIENT_X+$CLIENT_Y" +repage -fill black \
        -draw "rectangle 110,220 460,285" "$1"
}

# Starts the game in the prepared folder and waits for its window; sets SHOWN_MS.
start_and_show() {
    local name=$1 cpu_ms
    start_game
    guard_memory &
    GUARD_PID=$!
    wait_window "Quorvel 2.0" 5 >/dev/null || fail "$name: no window within 5 s"
    SHOWN_MS=$((($(date +%s%N) - START_NS) / 1000000))
    cpu_ms=$(game_cpu_ms)
    echo -n "$name: window after ${SHOWN_MS} ms (${cpu_ms} ms of CPU), "
    find_client_area
}

# Sets PEAK_KB and quits.
quit_and_report() {
    PEAK_KB=$(peak_kb)
    quit_game
    kill "$GUARD_PID" 2>/dev/null || true
    [ ! -e "$WORK/runaway" ] || fail "$1: ended at $(cat "$WORK/runaway") kB of memory"
    echo "peak memory $((PEAK_KB / 1024)) MB"
}

# Starts the game in the prepared folder, plays the first jump and quits; sets PEAK_KB and
# saves the prompt's frame as $WORK/<name>.png.
start_play_and_quit() {
    local name=$1
    start_and_show "$name"
    wait_board "$(board_with -1 16)" 10 $(seq 0 32) || fail "$name: not the start board"
    prompt_frame "$WORK/$name.png"
    click_hole 4
    click_hole 16
    wait_board "$(board_with 16 4 9)" 10 4 9 16 || fail "$name: the first jump is not shown"
    quit_and_report "$name"
}

# $2, when given: the kB the case may take beyond that.
expect_peak_near_normal() {
    [ "$PEAK_KB" -le $((NORMAL_PEAK_KB + MEMORY_MARGIN_KB + ${2:-0})) ] ||
        fail "$1: peak memory $((PEAK_KB / 1024)) MB against $((NORMAL_PEAK_KB / 1024)) MB normally"
}

# Only the label differs, and no label shows at the prompt: the frame is a normal start's.
expect_normal_prompt() {
    local differing
    differing=$(compare -metric AE "$WORK/normal.png" "$WORK/$1.png" null: 2>&1 || true)
    [ "$differing" = "0" ] || fail "$1: $differing pixels of the prompt differ from a normal start"
}

start_xvfb
load_cell_references

# The first GTK program on a new display probes OpenGL once, some 50 MB of driver, and leaves
# the answer on the root window: the normal start measured is one after that.
make_game_folder
start_play_and_quit first
start_play_and_quit normal
NORMAL_PEAK_KB=$PEAK_KB
NORMAL_SHOWN_MS=$SHOWN_MS

for image in holz.jpg 50p.png; do
    make_game_folder
    rm "$GAME_DIR/Grafik/$image"
    mkfifo "$GAME_DIR/Grafik/$image"
    start_play_and_quit "fifo-$image"
    expect_peak_near_normal "fifo-$image"

    make_game_folder
    ln -sf /dev/zero "$GAME_DIR/Grafik/$image"
    start_play_and_quit "zero-$image"
    expect_peak_near_normal "zero-$image"
done
expect_normal_prompt fifo-50p.png
expect_normal_prompt zero-50p.png

for image in 50p.png holz.jpg; do
    make_game_folder
    write_striped_png "$GAME_DIR/Grafik/$image" 8192
    start_play_and_quit "huge-$image"
    expect_peak_near_normal "huge-$image"
done
expect_normal_prompt huge-50p.png

# Its texture, decoded in place: 64 MB of texels and 16 MB of alpha runs. A sanitized build's
# allocator keeps more, so only an optimised build's figure binds.
make_game_folder
write_striped_png "$WORK/largest.png" 4096
cp "$WORK/largest.png" "$GAME_DIR/Grafik/holz.jpg"
start_play_and_quit largest-holz.jpg
if optimised_build; then expect_peak_near_normal largest-holz.jpg $((80 * 1024)); fi
# Beside the board the background shows its grey stripes: taken, not refused (white).
rgb=$(pixel_rgb "$WORK/largest-holz.jpg.png" 5 300)
read -r red green blue <<<"$rgb"
[ "$red" = "$green" ] && [ "$green" = "$blue" ] && [ "$red" -lt 200 ] ||
    fail "largest-holz.jpg: the background shows $rgb, not the image's grey"


# Every image of the largest side: four fill the texture memory and the rest are refused
# unread. The peak: those textures, 80 MB each with the device's alpha runs, decoded in place,
# and the program, under 400 MB.
make_game_folder
for file in "$GAME_DIR"/Grafik/*; do cp "$WORK/largest.png" "$file"; done
start_and_show every-largest
quit_and_report every-largest
if optimised_build && [ "$PEAK_KB" -ge $((400 * 1024)) ]; then
    fail "every-largest: peak memory $((PEAK_KB / 1024)) MB"
fi

# Every image as slow to read as the loader takes: each PNG filled with text chunks to the file
# limit, the background 4096 a side in the most scans allowed. The window shows within 2 s of
# the start where a normal start takes 0.3 s, however many times the label images are read; a
# slower or busier machine stretches both alike.
make_game_folder
for file in "$GAME_DIR"/Grafik/*.png; do fill_with_text_chunks "$file"; done
write_many_scan_jpeg "$GAME_DIR/Grafik/holz.jpg" 4096 64
start_play_and_quit slowest
SLOWEST_LIMIT_MS=$((2000 * (NORMAL_SHOWN_MS > 300 ? NORMAL_SHOWN_MS : 300) / 300))
if optimised_build && [ "$SHOWN_MS" -gt "$SLOWEST_LIMIT_MS" ]; then
    fail "slowest: window after $SHOWN_MS ms, against $NORMAL_SHOWN_MS ms for a normal start"
fi

echo "PASS"
