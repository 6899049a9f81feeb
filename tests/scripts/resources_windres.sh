#!/bin/bash
# The resource script compiled by MinGW's windres against the Windows SDK's own
# headers, as the Windows program is built, reads back as the same menu,
# dialogs, icon and cursor: the resource test runs on that compiled file.
# Usage: resources_windres.sh <build_dir> <source_dir>
# ctest: unit
set -eu
build=$1
source=$2
windres=$(command -v x86_64-w64-mingw32-windres || true)
if [ -z "$windres" ]; then
    echo "x86_64-w64-mingw32-windres not installed: nothing to compare"
    exit 0
fi
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
"$windres" -I "$source/resources" -O res -o "$out/quorvel.res" "$source/resources/quorvel.rc"
QUORVEL_COMPILED_RESOURCES=$out/quorvel.res \
    "$build/tests/test_win32" --gtest_filter='CompiledResources.*' --gtest_brief=1
