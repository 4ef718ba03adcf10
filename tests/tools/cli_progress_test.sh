#!/usr/bin/env bash
# primzeilen-cli's progress line: into a file one line a tenth at most and only with
# --fortschritt, on a terminal (a pseudo terminal from script) a few updates a second that
# overwrite each other and are wiped at the end; the output itself is the same either way.
set -u
cli=$(readlink -f "$1")
source "$(dirname "$0")/checks.sh"
# German numbers; the locale need not be installed, Qt has its own tables.
german=(env LC_ALL=de_DE.UTF-8)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
line='^[0-9.]+ von 22\.222\.222 Zeilen gezählt \([0-9]+,[0-9]+ %\)(, noch [0-9][0-9a-z ]*, [0-9.,]+( Mio\.| Mrd\.)? Zahlen/s)?$'
range=(--threads 1 1e12 1002000000000 90)

# Into a file: the start, a line a tenth, the end.
"${german[@]}" "$cli" --fortschritt "${range[@]}" >"$work/out" 2>"$work/err"
check "into a file: status" 0 "$?"
lines=$(wc -l <"$work/err")
check "into a file: between 2 and 11 lines (got $lines)" yes "$([ "$lines" -ge 2 ] && [ "$lines" -le 11 ] && echo yes)"
check "into a file: every line a progress line" 0 "$(grep -cvE "$line" "$work/err")"
check "into a file: no carriage returns" 0 "$(tr -cd '\r' <"$work/err" | wc -c)"
check "into a file: the last line is all rows" "22.222.222 von 22.222.222 Zeilen gezählt (100,0 %)" \
    "$(tail -n 1 "$work/err" | sed 's/), .*/)/')"
check "into a file: the shares grow" "$(cut -d'(' -f2 "$work/err" | sort -n | tr -d '\n')" \
    "$(cut -d'(' -f2 "$work/err" | tr -d '\n')"
# With --laengen the line counts the rows of every length: each length's range adjusted on its
# own, 337,078 + 333,333 + 329,670 rows of 89, 90 and 91 numbers.
"${german[@]}" "$cli" --fortschritt --threads 1 --laengen 89..91 1e12 1000030000000 >/dev/null 2>"$work/lengths"
check "--laengen into a file: status" 0 "$?"
check "--laengen into a file: every line a progress line" 0 \
    "$(sed 's/von 1\.000\.081 /von 22.222.222 /' "$work/lengths" | grep -cvE "$line")"
check "--laengen into a file: the last line is the rows of all lengths" \
    "1.000.081 von 1.000.081 Zeilen gezählt (100,0 %)" "$(tail -n 1 "$work/lengths" | sed 's/), .*/)/')"
"${german[@]}" "$cli" --still "${range[@]}" >"$work/quiet" 2>"$work/quiet_err"
check "--still: the same output" "$(cat "$work/quiet")" "$(cat "$work/out")"
check "--still: nothing on standard error" "" "$(cat "$work/quiet_err")"
"${german[@]}" "$cli" 1e12 1001000000000 90 >/dev/null 2>"$work/err"
check "into a file without --fortschritt: nothing" "" "$(cat "$work/err")"

# On a terminal. The typescript holds standard error alone (and, with some versions of script,
# a first and a last line of its own); standard output goes to a file.
on_terminal() {  # typescript, arguments...
    local typescript=$1
    shift
    script -qec "stty cols 100; exec env LC_ALL=de_DE.UTF-8 '$cli' $* >'$work/tty_out'" \
        "$typescript" >/dev/null </dev/null
}
terminal_text() {  # typescript
    grep -avE '^Script (started|done) ' "$1" | tr -d '\n'
}
start=$(date +%s.%N)
on_terminal "$work/tty" --fortschritt "${range[*]}"
check "on a terminal: status" 0 "$?"
seconds=$(awk -v a="$start" -v b="$(date +%s.%N)" 'BEGIN {print b - a}')
terminal_text "$work/tty" | tr '\r' '\n' | grep -E 'Zeilen gezählt' >"$work/updates"
updates=$(wc -l <"$work/updates")
check "on a terminal: updates at most four a second ($updates in ${seconds}s)" yes \
    "$(awk -v n="$updates" -v s="$seconds" 'BEGIN {if (n >= 1 && n <= 4 * s + 2) print "yes"}')"
check "on a terminal: every update a progress line" 0 \
    "$(sed 's/ *$//' "$work/updates" | grep -cvE "$line")"
check "on a terminal: all on one line" 1 "$(grep -ac 'Zeilen gezählt' "$work/tty")"
check "on a terminal: the line is wiped at the end" yes \
    "$(terminal_text "$work/tty" | grep -qE $'\r +\r$' && echo yes)"
check "on a terminal: the same output" "$(cat "$work/out")" "$(cat "$work/tty_out")"
# A run shorter than a second shows nothing.
on_terminal "$work/short" 1 1000000 90
check "a short run on a terminal: no progress" 0 "$(grep -c 'Zeilen' "$work/short")"
# Stopped with Ctrl+C: the line is wiped, then the note. (-f: the typescript is written at once.)
script -qefc "echo \$\$ >'$work/pid'; exec '$cli' --fortschritt 1e15 2e15 90 >/dev/null" \
    "$work/stop" >/dev/null </dev/null &
for _ in $(seq 200); do
    grep -q 'Zeilen gezählt' "$work/stop" 2>/dev/null && break
    sleep 0.05
done
kill -INT "$(cat "$work/pid")"
wait $!
check "stopped on a terminal: status" 130 "$?"
check "stopped on a terminal: wiped, then the note" yes \
    "$(terminal_text "$work/stop" | grep -qE $'\r +\rAbgebrochen\.\r?$' && echo yes)"

[ "$failures" -eq 0 ] && echo "progress: all checks passed"
exit "$failures"
