#!/usr/bin/env bash
# primzeilen-cli and the scan tool writing onto a file system that fills up: status 1, the
# reason, and a file of whole lines. Needs a small tmpfs of its own (root); skipped otherwise.
set -u
cli=$1
scan=$2
source "$(dirname "$0")/checks.sh"
export LC_ALL=C.UTF-8
disk=$(mktemp -d)
if ! mount -t tmpfs -o size=256k primzeilen-test "$disk" 2>/dev/null; then
    rmdir "$disk"
    echo "SKIPPED: no small file system could be mounted here (mounting needs root)"
    exit 77
fi
trap 'umount "$disk"; rmdir "$disk"' EXIT
full="Ausgabe konnte nicht geschrieben werden: Kein Platz auf dem Gerät"

# Rows until the disk is full: what stays are whole rows, and the run says it failed.
err=$("$cli" --zeilen 1 1e7 100 2>&1 >"$disk/rows.txt")
check "rows: status" 1 "$?"
check "rows: message" "primzeilen-cli: $full" "$err"
check "rows: the file ends in a line end" "" "$(tail -c 1 "$disk/rows.txt" | tr -d '\n')"
check "rows: only whole rows" 0 "$(grep -cvE '^ +[0-9]+  [O+]{100}  [0-9]+$' "$disk/rows.txt")"
[ "$(stat -c %s "$disk/rows.txt")" -gt 100000 ] || check "rows: the disk was filled" "> 100000" "$(stat -c %s "$disk/rows.txt")"

# Nearly full: a few bytes left for a JSON report or the scan tool's listing.
head -c $(( $(stat -f -c '%a*%S' "$disk") - 200 )) /dev/zero >"$disk/filler" 2>/dev/null
rm "$disk/rows.txt"
head -c $(( $(stat -f -c '%a*%S' "$disk") )) /dev/zero >>"$disk/filler" 2>/dev/null
err=$("$cli" --format json --anpassung 1 45000 90 2>&1 >"$disk/report.json")
check "JSON: status" 1 "$?"
check "JSON: message" "primzeilen-cli: $full" "$err"
err=$("$scan" 1 45000 90 2>&1 >"$disk/scan.txt")
check "scan tool: status" 1 "$?"
check "scan tool: message" "primzeilen-scan: $full" "$err"

[ "$failures" -eq 0 ] && echo "full disk: all checks passed"
exit "$failures"
