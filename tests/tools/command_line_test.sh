#!/usr/bin/env bash
# The program's own command line: --help and --version without any display, German messages
# and exit code 2 for what it does not know.
set -u
program=$1
version=$2
source "$(dirname "$0")/checks.sh"
# No display at all: a window would fail to open.
run() { env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$program" "$@"; }

out=$(run --version 2>&1)
check "--version status" 0 "$?"
check "--version" "primzeilen $version" "$out"
check "-v" "primzeilen $version" "$(run -v 2>&1)"
out=$(run --help 2>&1)
check "--help status" 0 "$?"
check "--help first line" "Aufruf: primzeilen [Optionen]" "$(head -n 1 <<<"$out")"
check "--help names the exit codes" 1 "$(grep -c '^Rückgabewert: 0' <<<"$out")"
err=$(run --hilfe 2>&1 >/dev/null)
check "unknown option status" 2 "$?"
check "unknown option" "primzeilen: unbekannte Option „--hilfe“." "$(head -n 1 <<<"$err")"
err=$(run --version=2 2>&1 >/dev/null)
check "value of a flag" "primzeilen: Wert unerwartet nach „--version“." "$(head -n 1 <<<"$err")"
err=$(run datei.txt 2>&1 >/dev/null)
check "argument status" 2 "$?"
check "argument" "primzeilen: unerwartetes Argument „datei.txt“." "$(head -n 1 <<<"$err")"
err=$(run --help 2>&1 >/dev/full)
check "--help on a full disk status" 1 "$?"
check "--help on a full disk" "primzeilen: Ausgabe konnte nicht geschrieben werden: Kein Platz auf dem Gerät" "$err"
check "Qt's own options are taken" "primzeilen $version" "$(run -style fusion --version 2>&1)"

[ "$failures" -eq 0 ] && echo "command line: all checks passed"
exit "$failures"
