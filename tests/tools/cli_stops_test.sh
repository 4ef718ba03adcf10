#!/usr/bin/env bash
# primzeilen-cli stopped by SIGINT and SIGTERM at random moments, writing into a file and into
# a pipe whose reader is slow: only whole lines are left, with the status of the signal.
set -u
cli=$(readlink -f "$1")
source "$(dirname "$0")/checks.sh"
export LC_ALL=C.UTF-8
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# A background run of a script starts with SIGINT ignored, so a signal is sent only once the
# program runs and has taken SIGINT (its handler shows in /proc), then after a random pause.
signal_when_ready() {  # signal, pid, pause
    local caught
    for _ in $(seq 1000); do
        caught=$(awk '/^SigCgt:/ {print $2}' "/proc/$2/status" 2>/dev/null)
        [ "$(readlink "/proc/$2/exe")" = "$cli" ] && [ -n "$caught" ] && (( 0x$caught & 2 )) && break
        sleep 0.01
    done
    sleep "$3"
    kill -"$1" "$2"
}
# A first number of nine digits fills its header without a blank.
row='^ *[0-9]+  [O+]{100}  [0-9]+$'

# The output of one run: whole rows only, and neither the summary nor a cut line.
whole() {  # description, file
    check "$1: ends in a line end" "" "$(tail -c 1 "$2" | tr -d '\n')"
    check "$1: only whole rows" 0 "$(grep -cvE "$row" "$2")"
}

# The pauses are random but repeatable: the seed is printed, and STOPS_SEED runs a seed again.
seed=${STOPS_SEED:-7146}
RANDOM=$seed
echo "stops: seed $seed"
runs=0
for signal in INT TERM; do
    expected=$([ "$signal" = INT ] && echo 130 || echo 143)
    # One pause in each third of 0..0.6 s: soon after the start, in the middle, late.
    for third in 0 1 2; do
        delay=0.$(printf '%02d' $((third * 20 + RANDOM % 20)))
        # Into a file.
        "$cli" --zeilen 1 1e9 100 >"$work/file" 2>"$work/err" &
        pid=$!
        signal_when_ready "$signal" "$pid" "$delay"
        wait "$pid"
        status=$?
        check "SIG$signal after ${delay}s into a file: status" "$expected" "$status"
        check "SIG$signal into a file: note" "Abgebrochen." "$(cat "$work/err")"
        whole "SIG$signal after ${delay}s into a file" "$work/file"
        # Into a pipe whose reader takes nothing for a while.
        { "$cli" --zeilen 1 1e9 100 2>"$work/err" & pid=$!
          signal_when_ready "$signal" "$pid" "$delay"; wait "$pid"; echo $? >"$work/status"; } |
            { sleep 0.4; cat; } >"$work/piped"
        check "SIG$signal after ${delay}s behind a slow reader: status" "$expected" "$(cat "$work/status")"
        whole "SIG$signal after ${delay}s behind a slow reader" "$work/piped"
        runs=$((runs + 2))
    done
done

[ "$failures" -eq 0 ] && echo "stops: $runs runs, all checks passed"
[ "$failures" -eq 0 ] || echo "stops: $failures failed with seed $seed (STOPS_SEED=$seed repeats them)"
exit "$failures"
