#!/usr/bin/env bash
# One part of a Slurm job array: task K of `sbatch --array=1-N` counts part K of N.
#
#   sbatch --array=1-N --output=teil-%a.json slurm-teil.sh N VON BIS LÄNGE
#
# slurm.sh submits this array and the merge after it; its standard output is the part's JSON.
#SBATCH --job-name=primzeilen-teil
#SBATCH --ntasks=1
#SBATCH --cpus-per-task=1
set -euo pipefail
parts=$1 from=$2 to=$3 length=$4
if [ -z "${SLURM_ARRAY_TASK_ID:-}" ] || [ "${SLURM_ARRAY_TASK_MAX:-0}" -gt "$parts" ]; then
    echo "slurm-teil.sh: als Job-Array mit --array=1-$parts abschicken." >&2
    exit 2
fi
exec "${PRIMZEILEN_CLI:-primzeilen-cli}" --format json --still \
    --threads "${SLURM_CPUS_PER_TASK:-1}" \
    --teil "$SLURM_ARRAY_TASK_ID/$parts" "$from" "$to" "$length"
