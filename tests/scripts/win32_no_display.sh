#!/bin/bash
# Started without a display, the game says so in one line and exits with 1.
# Usage: win32_no_display.sh <build_dir> <source_dir>
set -u
build=$1
export ASAN_OPTIONS=detect_leaks=0
errors=$(mktemp)
trap 'rm -f "$errors"' EXIT
env -u DISPLAY -u WAYLAND_DISPLAY "$build/quorvel" 2>"$errors" >/dev/null
status=$?
cat "$errors"
[ "$status" = 1 ] || { echo "FAIL: status $status, expected 1"; exit 1; }
[ "$(wc -l <"$errors")" = 1 ] || { echo "FAIL: expected one line on stderr"; exit 1; }
grep -q "display" "$errors" || { echo "FAIL: the line does not mention the display"; exit 1; }
echo "PASS"
