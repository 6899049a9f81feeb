# The highscore lists of the Windows program, saved under Wine with the real Win32 file
# functions, as an ordinary user for whom permission bits count: a second save replaces the
# list the first made; a list that is a link gets its target written and the link stays; links
# planted where the save's temporary goes are never followed; a read-only list stays; a writable list
# in a folder that takes no new file is written in place; a FIFO in place of a list is neither
# read nor written, and does not hold the program up. As root, whom Wine lets open any file
# for writing, a read-only list stays all the same.
#
# The check program is the game's highscore table alone, built by `make windows`.
set -euo pipefail

SOURCE_DIR=$(cd "$2" && pwd)
CHECK="$SOURCE_DIR/build-windows/tests/wine/highscore_check.exe"
WORK=$(mktemp -d /tmp/quorvel-wine-XXXXXX)

skip() {
    echo "SKIP: $*"
    exit 77
}

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

[ -f "$CHECK" ] || fail "no $CHECK: \`make windows\` builds it"
command -v wine >/dev/null || skip "Wine is not installed here (\`make windows\` installs it)"

# Root ignores permission bits: as root, Wine runs as nobody, in a prefix of nobody's own.
if [ "$(id -u)" = 0 ]; then
    chmod 755 "$WORK"
    mkdir "$WORK/home"
    chown nobody: "$WORK/home"
    as_player() { setpriv --reuid=nobody --regid=nogroup --clear-groups "$@"; }
    give() { chown -R nobody: "$@"; }
else
    mkdir "$WORK/home"
    as_player() { "$@"; }
    give() { :; }
fi
export HOME="$WORK/home" WINEPREFIX="$WORK/home/wine" WINEARCH=win64 WINEDEBUG=-all \
    WINEDLLOVERRIDES="mscoree,mshtml="
as_root() { HOME="$WORK/root" WINEPREFIX="$WORK/root/wine" "$@"; }
cleanup() {
    as_root wineserver -k 2>/dev/null || true
    as_player wineserver -k 2>/dev/null || true
    as_player wineserver -w 2>/dev/null || true
    rm -rf "$WORK"
}
trap cleanup EXIT

# The first start of Wine builds the prefix, which takes a while; a Wine that cannot even do
# that cannot run here at all.
if ! as_player timeout 600 wineboot --init >"$WORK/wineboot.log" 2>&1 || ! as_player wineserver -w; then
    skip "Wine cannot start here: $(tail -n 5 "$WORK/wineboot.log")"
fi

# Runs the check program in the folder $1 with the rest as its arguments.
check() {
    local folder=$1
    shift
    (cd "$folder" && as_player timeout 60 wine "$CHECK" "$@")
}

# A fresh folder of the player's for one case.
case_folder() {
    mkdir -p "$WORK/$1"
    give "$WORK/$1"
    echo "$WORK/$1"
}

# The bytes a save of one entry writes where nothing is in the way.
plain=$(case_folder plain)
check "$plain" save list.dat Anna 2600
check "$plain" save other.dat Bert 300
[ "$(stat -c %s "$plain/list.dat")" = 121 ] || fail "the first save did not make the list"
cp "$plain/list.dat" "$WORK/anna.dat"
cp "$plain/other.dat" "$WORK/bert.dat"
same() { cmp -s "$1" "$2"; }

# A second save replaces the list the first made.
check "$plain" save list.dat Bert 300
same "$plain/list.dat" "$WORK/bert.dat" || fail "the second save did not replace the list"
[ "$(check "$plain" load list.dat | tail -n 1 | tr -d '\r')" = "Bert 300" ] ||
    fail "the saved list does not load back"
echo "an existing list is replaced"

folder=$(case_folder linked)
mkdir "$folder/elsewhere"
printf 'alt' >"$folder/elsewhere/target.dat"
ln -s elsewhere/target.dat "$folder/list.dat"
give "$folder"
check "$folder" save list.dat Bert 300
[ "$(readlink "$folder/list.dat")" = elsewhere/target.dat ] || fail "the link was replaced"
same "$folder/elsewhere/target.dat" "$WORK/bert.dat" || fail "the link's target holds no new list"
echo "a linked list's target is written, the link stays"

# Links to another file where a save's temporary would go: "<list>.tmp", and the first name a
# save tries, "<list>.<process id>.0.tmp", for every id Wine gives out (multiples of 4) up to
# 16384. The save steps past them, and neither follows nor removes one: under Wine, removing
# a link removes its target.
folder=$(case_folder planted)
printf 'alt' >"$folder/list.dat"
printf 'victim' >"$folder/victim.dat"
ln -s victim.dat "$folder/list.dat.tmp"
for id in $(seq 4 4 16384); do
    ln -s victim.dat "$folder/list.dat.$id.0.tmp"
done
give "$folder"
check "$folder" save list.dat Bert 300
[ "$(cat "$folder/victim.dat" 2>/dev/null)" = victim ] || fail "a planted link was followed"
same "$folder/list.dat" "$WORK/bert.dat" || fail "the list was not saved beside the planted links"
left=$(find "$folder" -name 'list.dat.*tmp' | wc -l)
[ "$left" = 4097 ] || fail "$left of the 4097 planted links are left"
echo "planted temporary links are neither followed nor removed"

folder=$(case_folder read-only)
printf 'alt' >"$folder/list.dat"
give "$folder"
chmod 444 "$folder/list.dat"
check "$folder" save list.dat Bert 300
[ "$(cat "$folder/list.dat")" = alt ] || fail "the read-only list was written"
echo "a read-only list stays"

if [ "$(id -u)" = 0 ]; then
    mkdir "$WORK/root"
    ln -s list.dat "$folder/link.dat"
    (cd "$folder" && as_root timeout 600 wine "$CHECK" save list.dat Bert 300 &&
        as_root wine "$CHECK" save link.dat Bert 300) 2>"$WORK/root.log"
    [ "$(cat "$folder/list.dat")" = alt ] || fail "root's save wrote the read-only list"
    echo "a read-only list stays when root saves it, also through a link"
fi

folder=$(case_folder locked)
printf 'alt' >"$folder/list.dat"
give "$folder"
chmod 555 "$folder"
check "$folder" save list.dat Bert 300
chmod 755 "$folder"
same "$folder/list.dat" "$WORK/bert.dat" || fail "the list in the locked folder was not written"
[ "$(ls "$folder")" = list.dat ] || fail "the locked folder holds more than the list"
echo "a list in a folder that takes no new file is written in place"

folder=$(case_folder fifo)
mkfifo "$folder/list.dat"
give "$folder"
[ "$(check "$folder" load list.dat | head -n 1 | tr -d '\r')" = "Player 0" ] ||
    fail "a FIFO did not load as a missing list"
check "$folder" save list.dat Bert 300
[ -p "$folder/list.dat" ] || fail "the FIFO was replaced"
echo "a FIFO in place of the list is neither read nor written"

echo "PASS"
