#!/bin/bash
# What `make windows` hands a Windows player: quorvel.exe, a 64-bit GUI program for Windows 6.0
# (Vista) on that needs no DLL beyond Windows' own, Direct3D 9's and D3DX's (the compiler's
# runtime libraries are linked in), and quorvel-windows.zip, which holds it beside every image of
# Grafik/ and a LIESMICH.txt that Notepad on a German Windows shows as written.
# Usage: windows_program.sh <build_dir> <source_dir>
# ctest: unit
set -u
source=$2
exe=$source/build-windows/quorvel.exe
zip=$source/build-windows/quorvel-windows.zip
status=0

fail() {
    echo "FAIL: $*"
    status=1
}

[ -f "$exe" ] && [ -f "$zip" ] || {
    echo "FAIL: no $exe and $zip: \`make windows\` builds them"
    exit 1
}

headers=$(x86_64-w64-mingw32-objdump -p "$exe")
grep -q 'file format pei-x86-64' <<<"$headers" || fail "quorvel.exe is no 64-bit Windows program"
grep -Eq '^Subsystem[[:space:]]+0*2[[:space:]]' <<<"$headers" ||
    fail "quorvel.exe is no GUI program: $(grep '^Subsystem' <<<"$headers")"
subsystem_version=$(sed -n 's/^M\(aj\|in\)orSubsystemVersion[[:space:]]*//p' <<<"$headers" |
    paste -sd.)
[ "$subsystem_version" = 6.0 ] || fail "quorvel.exe declares Windows $subsystem_version, not 6.0"

allowed="kernel32.dll user32.dll gdi32.dll winmm.dll msvcrt.dll d3d9.dll d3dx9_43.dll"
for dll in $(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$headers" | tr '[:upper:]' '[:lower:]'); do
    [[ " $allowed " == *" $dll "* ]] || fail "quorvel.exe needs $dll, which Windows does not bring"
done

expected=$( (printf '%s\n' quorvel.exe LIESMICH.txt Grafik/ && cd "$source" && ls -d Grafik/*) |
    sort)
held=$(cmake -E tar tf "$zip" | sort)
[ "$held" = "$expected" ] ||
    fail "quorvel-windows.zip holds other files than quorvel.exe, LIESMICH.txt and Grafik/:
$(diff <(echo "$expected") <(echo "$held"))"

# LIESMICH.txt as the player gets it: CR only at the end of every line (so one CR a line), and
# Windows-1252, which iconv refuses for the five bytes it leaves undefined, but not UTF-8, which
# would pass as Windows-1252 too.
unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
cmake -E chdir "$unpacked" cmake -E tar xf "$(realpath "$zip")" LIESMICH.txt 2>/dev/null
text=$unpacked/LIESMICH.txt
[ -s "$text" ] && ! grep -qv $'\r$' "$text" &&
    [ "$(tr -cd '\r' <"$text" | wc -c)" = "$(wc -l <"$text")" ] ||
    fail "LIESMICH.txt is missing or has a line end other than CR LF"
iconv -f CP1252 -t UTF-8 "$text" >/dev/null 2>&1 &&
    ! { LC_ALL=C grep -q $'[\x80-\xff]' "$text" && iconv -f UTF-8 "$text" >/dev/null 2>&1; } ||
    fail "LIESMICH.txt is no Windows-1252 text"

[ $status = 0 ] && echo "PASS"
exit $status
