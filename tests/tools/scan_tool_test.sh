#!/usr/bin/env bash
# Checks the scan tool's output format: bounds line, list lines, refusals and failures.
set -u
tool=$1
source "$(dirname "$0")/checks.sh"

out=$(LC_ALL=de_DE.UTF-8 "$tool" 5 100 10)
check "bounds line" $'1\t100' "$(sed -n 1p <<<"$out")"
check "first row" "     1  +OO+O+O+++  4" "$(sed -n 2p <<<"$out")"
check "line count" 38 "$(wc -l <<<"$out")"
check "German separator" "  2   :      5-mal,     0,50000" "$(sed -n 16p <<<"$out")"

out=$(LC_ALL=C "$tool" 1 100 10)
check "C separator" " Summe:    10       1.00000" "$(sed -n 36p <<<"$out")"

out=$("$tool" 100 150 90)
check "refused scan prints the bounds only" $'91\t90' "$out"

err=$("$tool" 1 abc 90 2>&1 >/dev/null)
status=$?
check "failure status" 1 "$status"
check "failure message" "„abc“ ist keine gültige ganze Zahl." "$err"

err=$("$tool" 1 100 0 2>&1 >/dev/null)
check "row length message" "Die Anzahl Zahlen pro Zeile muss mindestens 1 sein." "$err"

err=$("$tool" 1 45000 90 --repeat 3 2>&1 >/dev/null)
[[ "$err" =~ ^[0-9]+\.[0-9]+$ ]] || check "median time" "<milliseconds>" "$err"

size() {  # width and height of a PNG, from its header
    od -A n -t x1 -j 16 -N 8 "$1" | tr -d ' \n' | sed 's/\(.\{8\}\)/\1 /; s/ $//'
}
work=$(mktemp -d)
png=$work/bild.png
trap 'rm -rf "$work"' EXIT
out=$(LC_ALL=de_DE.UTF-8 "$tool" 1 100 10 --graph "$png" 2>/dev/null)
check "graph status" 0 "$?"
check "fitted n" "Edit1=4" "$(grep '^Edit1=' <<<"$out")"
check "range copied" "Edit9=100" "$(grep '^Edit9=' <<<"$out")"
check "table rows" "3" "$(grep -c -E '^(x|h\(x\)|B\(n;p\))'$'\t' <<<"$out")"
check "picture size (769 x 377)" "00000301 00000179" "$(size "$png")"

"$tool" 1 100 10 --graph "$work/doppelt.png" --scale 2 >/dev/null
check "picture at scale 2 (1538 x 754)" "00000602 000002f2" "$(size "$work/doppelt.png")"
"$tool" 1 100 10 --graph "$work/anderthalb.png" --scale 1.5 >/dev/null
check "picture at scale 1.5 (1154 x 566)" "00000482 00000236" "$(size "$work/anderthalb.png")"
"$tool" 1 100 10 --graph "$work/bild.svg" >/dev/null
check "SVG view box" 'viewBox="0 0 769 377"' "$(grep -o 'viewBox="[^"]*"' "$work/bild.svg")"
LC_ALL=de_DE.UTF-8 "$tool" 1 100 10 --graph "$work/bild.pdf" >/dev/null
check "PDF pages" "1" "$(pdfinfo "$work/bild.pdf" | sed -n 's/^Pages: *//p')"
check "PDF holds the fields" "1" "$(pdftotext "$work/bild.pdf" - | grep -c '^bis: 100$')"
"$tool" 1 100 10 --graph "$work/bild.png" --scale 0 >/dev/null 2>&1
check "scale below 1 refused" 2 "$?"
err=$("$tool" 1 100 10 --graph "$work" 2>&1 >/dev/null)
check "picture to a folder" "Das Bild konnte nicht als „$work“ gespeichert werden.
Unter diesem Namen gibt es einen Ordner." "$err"

out=$("$tool" 1 50 90 --graph "$png" 2>/tmp/scan_tool_err.$$)
status=$?
err=$(cat /tmp/scan_tool_err.$$; rm -f /tmp/scan_tool_err.$$)
check "graph failure status" 1 "$status"
check "graph failure message" "Ungültige Gleitkommaoperation." "$err"
check "only headings written" $'x'"$(printf '\t%.0s' $(seq 19))" "$(grep '^x' <<<"$out")"
check "fields keep their texts" "Edit1=20" "$(grep '^Edit1=' <<<"$out")"

"$tool" 1 2 >/dev/null 2>&1
check "usage status" 2 "$?"

[ "$failures" -eq 0 ] && echo "scan tool: all checks passed"
exit "$failures"
