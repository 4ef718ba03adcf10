#!/usr/bin/env bash
# Counts VON..BIS in rows of LÄNGE as a Slurm job array of N parts and merges them in a job
# that starts once every part has ended well.
#
#   slurm.sh ORDNER N VON BIS LÄNGE [--format text|csv|json] [--anpassung] [--modelle]
#
# ORDNER must be visible to every node (a shared file system); it receives teil-K.json for each
# part, their messages in teil-K.err, and the result in ergebnis (messages: ergebnis.err).
# Prints the merge job's id: `squeue -j ID` shows it, and when it is gone ORDNER/ergebnis is
# complete; `sacct` or ergebnis.err tell whether it ended well. PRIMZEILEN_CLI names the
# program where it is not in PATH on the nodes; further sbatch options (partition, time) go in
# SBATCH_* variables, e.g. SBATCH_PARTITION, SBATCH_TIMELIMIT.
set -euo pipefail
if [ $# -lt 5 ]; then
    sed -n '5p' "$0" | sed 's/^#  *//' >&2
    exit 2
fi
folder=$(cd "$1" && pwd) parts=$2 from=$3 to=$4 length=$5
shift 5
here=$(cd "$(dirname "$0")" && pwd)
cli=${PRIMZEILEN_CLI:-primzeilen-cli}

array=$(sbatch --parsable --array="1-$parts" --chdir="$folder" \
    --output="$folder/teil-%a.json" --error="$folder/teil-%a.err" \
    --export="ALL,PRIMZEILEN_CLI=$cli" \
    "$here/slurm-teil.sh" "$parts" "$from" "$to" "$length")
array=${array%%;*}

merge=("$cli" vereinigen "$@")
for k in $(seq "$parts"); do
    merge+=("$folder/teil-$k.json")
done
sbatch --parsable --dependency="afterok:$array" --kill-on-invalid-dep=yes \
    --job-name=primzeilen-vereinigen --chdir="$folder" \
    --output="$folder/ergebnis" --error="$folder/ergebnis.err" \
    --wrap="$(printf '%q ' "${merge[@]}")"
