#!/bin/bash
# A compiler that would write the game's texts as UTF-8 instead of Windows-1252 (clang has no
# -fexec-charset for it) stops the configure, saying why, before anything is built.
# Usage: windows_1252_texts.sh <build_dir> <source_dir>
# ctest: unit
set -u
source=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

if ! command -v clang++ >/dev/null; then
    echo "SKIP: no clang++ to try"
    exit 77
fi
if CC=clang CXX=clang++ cmake -S "$source" -B "$scratch" -G Ninja >"$scratch/configure.log" 2>&1; then
    echo "FAIL: the tree configured with clang++, whose texts would be UTF-8"
    exit 1
fi
if ! grep -q "cannot write the game's texts in Windows-1252" "$scratch/configure.log"; then
    echo "FAIL: the configure stopped without saying why:"
    tail -n 20 "$scratch/configure.log"
    exit 1
fi
echo "PASS"
