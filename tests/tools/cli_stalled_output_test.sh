#!/usr/bin/env bash
# primzeilen-cli writing into a pipe whose reader takes nothing: SIGTERM and SIGINT still end
# the run within about two seconds, with the status of the signal and the note.
set -u
cli=$(readlink -f "$1")
source "$(dirname "$0")/checks.sh"
export LC_ALL=C.UTF-8
work=$(mktemp -d)
readers=()
trap 'kill "${readers[@]}" 2>/dev/null; rm -rf "$work"' EXIT

for signal in TERM INT; do
    expected=$([ "$signal" = INT ] && echo 130 || echo 143)
    mkfifo "$work/pipe.$signal"
    # The reader opens the pipe and never reads from it.
    sleep 60 <"$work/pipe.$signal" &
    readers+=($!)
    "$cli" --zeilen 1 1e9 90 >"$work/pipe.$signal" 2>"$work/err.$signal" &
    pid=$!
    # The pipe takes 64 KB, filled within milliseconds; the writer then waits in write().
    sleep 1
    start=$(date +%s%N)
    kill -"$signal" "$pid"
    for _ in $(seq 60); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.05
    done
    took=$(( ($(date +%s%N) - start) / 1000000 ))
    if kill -0 "$pid" 2>/dev/null; then
        check "SIG$signal behind a reader that takes nothing: ended within 3 s" "ended" "alive after $took ms"
        kill -KILL "$pid"
    fi
    wait "$pid"
    check "SIG$signal behind a reader that takes nothing: status" "$expected" "$?"
    check "SIG$signal behind a reader that takes nothing: note" "Abgebrochen." "$(cat "$work/err.$signal")"
done

[ "$failures" -eq 0 ] && echo "stalled output: all checks passed"
exit "$failures"
