#!/bin/bash
# The committed artwork is what the generator draws: running it again gives
# byte-identical files. Usage: artwork_reproducible.sh <build_dir> <source_dir>
set -eu
build=$1
source=$2
artgen=$build/tools/artgen
if [ ! -x "$artgen" ]; then
    echo "artgen not built (no cairo): nothing to compare"
    exit 0
fi
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
"$artgen" "$out"
status=0
for file in "$source"/Grafik/* "$source"/resources/icon107.ico "$source"/resources/cursor105.cur; do
    relative=${file#"$source"/}
    if ! cmp -s "$file" "$out/$relative"; then
        echo "differs from a fresh run: $relative"
        status=1
    fi
done
generated=$(cd "$out/Grafik" && ls | sort)
committed=$(cd "$source/Grafik" && ls | sort)
if [ "$generated" != "$committed" ]; then
    echo "the generator writes other files than Grafik/ holds"
    status=1
fi
exit $status
