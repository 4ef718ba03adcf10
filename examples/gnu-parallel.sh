#!/usr/bin/env bash
# Counts VON..BIS in rows of LÄNGE as N parts with GNU parallel, on this machine or on the hosts
# of --sshlogin, and adds the parts up to the result of one run over the whole range.
#
#   gnu-parallel.sh N VON BIS LÄNGE [--format text|csv|json] [--anpassung] [--modelle]
#
# Environment:
#   PRIMZEILEN_CLI   the program, on every host (default: primzeilen-cli)
#   PARALLEL_HOSTS   hosts for parallel's --sshlogin, e.g. ":,8/rechner1,rechner2" (":" is this
#                    machine); without it every part runs here, one per core
#   TEILE_ORDNER     where the parts' JSON is kept (default: a temporary folder, removed after)
#
# The result goes to standard output; each part counts on one thread, parallel runs one part a
# core. The options after LÄNGE go to the merge, which computes the fit and the models from the
# merged tally exactly as a run over the whole range does.
set -euo pipefail
if [ $# -lt 4 ]; then
    sed -n '5p' "$0" | sed 's/^#  *//' >&2
    exit 2
fi
parts=$1 from=$2 to=$3 length=$4
shift 4
cli=${PRIMZEILEN_CLI:-primzeilen-cli}
command -v parallel >/dev/null || { echo "GNU parallel fehlt (Debian: apt-get install parallel)." >&2; exit 1; }

if [ -n "${TEILE_ORDNER:-}" ]; then
    folder=$TEILE_ORDNER
    mkdir -p "$folder"
else
    folder=$(mktemp -d)
    trap 'rm -rf "$folder"' EXIT
fi
hosts=()
[ -n "${PARALLEL_HOSTS:-}" ] && hosts=(--sshlogin "$PARALLEL_HOSTS")

# Each part's standard output lands in $folder/K/stdout, wherever it ran; the first part that
# fails stops the others.
parallel --will-cite --halt now,fail=1 --results "$folder/{}/" "${hosts[@]}" \
    "$cli" --format json --still --threads 1 --teil "{}/$parts" "$from" "$to" "$length" \
    ::: $(seq "$parts") >/dev/null

files=()
for k in $(seq "$parts"); do
    files+=("$folder/$k/stdout")
done
"$cli" vereinigen "$@" "${files[@]}"
