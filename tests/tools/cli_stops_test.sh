#!/usr/bin/env bash
# primzeilen-cli stopped by SIGINT and SIGTERM at random moments, writing into a file and into
# a pipe whose reader is slow: only whole lines are left, with the status of the signal.
set -u
cli=$1
source "$(dirname "$0")/checks.sh"
export LC_ALL=C.UTF-8
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
set -m  # background runs take SIGINT as from a terminal, not ignored
exec 2>/dev/null  # and job control's notes about them stay out of the log
row='^ +[0-9]+  [O+]{100}  [0-9]+$'

# The output of one run: whole rows only, and neither the summary nor a cut line.
whole() {  # description, file
    check "$1: ends in a line end" "" "$(tail -c 1 "$2" | tr -d '\n')"
    check "$1: only whole rows" 0 "$(grep -cvE "$row" "$2")"
}

runs=0
for signal in INT TERM; do
    expected=$([ "$signal" = INT ] && echo 130 || echo 143)
    for run in $(seq 20); do
        delay=0.$(printf '%02d' $((RANDOM % 60)))
        # Into a file.
        "$cli" --zeilen 1 1e10 100 >"$work/file" 2>"$work/err" &
        pid=$!
        sleep "$delay"
        kill -"$signal" "$pid"
        wait "$pid"
        status=$?
        check "SIG$signal after ${delay}s into a file: status" "$expected" "$status"
        # A signal before the program was ready to take it ends it by the default action.
        [ -s "$work/err" ] && check "SIG$signal into a file: note" "Abgebrochen." "$(cat "$work/err")"
        whole "SIG$signal after ${delay}s into a file" "$work/file"
        # Into a pipe whose reader takes nothing for a while.
        { "$cli" --zeilen 1 1e10 100 2>"$work/err" & pid=$!
          sleep "$delay"; kill -"$signal" "$pid"; wait "$pid"; echo $? >"$work/status"; } |
            { sleep 0.4; cat; } >"$work/piped"
        check "SIG$signal after ${delay}s behind a slow reader: status" "$expected" "$(cat "$work/status")"
        whole "SIG$signal after ${delay}s behind a slow reader" "$work/piped"
        runs=$((runs + 2))
    done
done

[ "$failures" -eq 0 ] && echo "stops: $runs runs, all checks passed"
exit "$failures"
