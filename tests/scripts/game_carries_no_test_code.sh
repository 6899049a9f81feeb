#!/bin/bash
# Nothing of the tests ships in the game: its binary names none of the device's
# test seams (draw log, fault switches, live-object counts) and nothing of the
# scripted headless backend.
# Usage: game_carries_no_test_code.sh <build_dir> <source_dir>
# ctest: unit
set -u
game=$1/quorvel
symbols=$(nm -C "$game") || { echo "FAIL: cannot read the symbols of $game"; exit 1; }
# A binary without symbols would pass for the wrong reason.
if ! grep -q ' WinMain' <<<"$symbols"; then
    echo "FAIL: $game names no WinMain; is it stripped?"
    exit 1
fi
found=$(grep -E 'd3d9_testing|DrawRecord|LiveObjects|Faults|win32_headless|Headless' <<<"$symbols")
if [ -n "$found" ]; then
    echo "FAIL: test code in the game:"
    echo "$found" | head -20
    exit 1
fi
echo "PASS"
