#!/usr/bin/env bash
# The program's own command line: --help and --version without any display, German messages
# and exit code 2 for what it does not know.
set -u
program=$1
version=$2
source "$(dirname "$0")/checks.sh"
# No display at all: a window would fail to open. German under the C locale, whatever the
# caller's environment says; runEnglish under an English one.
inLocale() {
    local lang=$1
    shift
    env -u DISPLAY -u WAYLAND_DISPLAY -u LANGUAGE -u LC_ALL -u LC_MESSAGES LANG="$lang" \
        QT_QPA_PLATFORM=xcb "$program" "$@"
}
run() { inLocale C.UTF-8 "$@"; }
runEnglish() { inLocale en_US.UTF-8 "$@"; }

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
check "German locale" "Aufruf: primzeilen [Optionen]" "$(inLocale de_DE.UTF-8 --help | head -n 1)"

# The same in English.
out=$(runEnglish --help 2>&1)
check "English --help status" 0 "$?"
check "English --help first line" "Usage: primzeilen [options]" "$(head -n 1 <<<"$out")"
check "English --help names the exit codes" 1 "$(grep -c '^Exit status: 0' <<<"$out")"
# Alternatives rather than a bracket: bytes of a bracket would match any UTF-8 letter in C.
check "English --help is English" 0 "$(grep -c -E 'ä|ö|ü|ß|Ä|Ö|Ü|„' <<<"$out")"
err=$(runEnglish --hilfe 2>&1 >/dev/null)
check "English unknown option status" 2 "$?"
check "English unknown option" "primzeilen: unknown option “--hilfe”." "$(head -n 1 <<<"$err")"
check "English usage" "Usage: primzeilen [--help] [--version]" "$(sed -n 2p <<<"$err")"
err=$(runEnglish --version=2 2>&1 >/dev/null)
check "English value of a flag" "primzeilen: Unexpected value after “--version”." \
    "$(head -n 1 <<<"$err")"
err=$(runEnglish datei.txt 2>&1 >/dev/null)
check "English argument" "primzeilen: unexpected argument “datei.txt”." "$(head -n 1 <<<"$err")"
err=$(runEnglish --help 2>&1 >/dev/full)
check "English --help on a full disk status" 1 "$?"
check "English --help on a full disk" \
    "primzeilen: Could not write the output: No space left on device" "$err"

[ "$failures" -eq 0 ] && echo "command line: all checks passed"
exit "$failures"
