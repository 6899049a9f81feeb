#!/bin/bash
# The layers hold: render/ includes nothing of game/ or shell/, game/ nothing of
# shell/, none of the three reaches into the platform's own folders (only its
# Windows headers by their real names), and nothing outside platform/ includes GTK.
# Usage: layers.sh <build_dir> <source_dir>
# ctest: unit
set -u
source=$2
cd "$source" || exit 1
status=0

headers_of() {
    for folder in "$@"; do
        (cd "$folder" && ls -- *.h 2>/dev/null)
    done
}

# Prints the include lines of the folder's sources that name one of the headers.
includes_of() {
    local folder=$1
    shift
    local header
    for header in "$@"; do
        grep -nE "^[[:space:]]*#[[:space:]]*include[[:space:]]*[\"<]([^\">]*/)?${header//./\\.}[\">]" \
            "$folder"/*.cpp "$folder"/*.h 2>/dev/null
    done
}

refuse() {
    local what=$1 found=$2
    if [ -n "$found" ]; then
        echo "FAIL: $what"
        echo "$found"
        status=1
    fi
}

refuse "render/ includes game/ or shell/" "$(includes_of render $(headers_of game shell))"
refuse "game/ includes shell/" "$(includes_of game $(headers_of shell))"
for layer in render game shell; do
    refuse "$layer/ reaches into the platform's folders" \
        "$(grep -nE '^[[:space:]]*#[[:space:]]*include[[:space:]]*["<](\.\./)*platform/' "$layer"/*.cpp "$layer"/*.h)"
done
refuse "GTK outside platform/" \
    "$(git grep -nE '^[[:space:]]*#[[:space:]]*include[[:space:]]*<(gtk|gdk|glib)[-/a-z0-9]*\.h>' -- \
        ':!platform/' '*.cpp' '*.h')"

[ $status = 0 ] && echo "PASS"
exit $status
