#!/usr/bin/env bash
# The Slurm recipe on a one-node cluster started here for the test: munged, slurmctld and slurmd
# in a temporary folder on ports of their own, stopped and removed at the end however it ends.
# The array of 8 parts and the merge after it give the whole run byte for byte. Skipped (77)
# where no such cluster can start: without root, without Debian's slurm-wlm and munge.
set -u
cli=$1
examples=$2
source "$(dirname "$0")/checks.sh"
export LC_ALL=C.UTF-8

skip() {
    echo "SKIPPED: $*"
    exit 77
}
[ "$(id -u)" -eq 0 ] || skip "slurmd and munged need root here"
for program in slurmctld slurmd sbatch squeue sinfo munged runuser; do
    command -v "$program" >/dev/null || skip "$program is missing (Debian: slurm-wlm, munge)"
done
[ -r /etc/munge/munge.key ] && id munge >/dev/null 2>&1 || skip "munge has no key or no user"

tmp=$(mktemp -d)
chmod 755 "$tmp"  # munged, as user munge, reaches its socket through it
daemons=()
stop() {
    local pid
    [ -s "$tmp/munge/pid" ] && daemons+=("$(cat "$tmp/munge/pid")")
    for pid in "${daemons[@]}"; do
        kill "$pid" 2>/dev/null
    done
    for _ in $(seq 20); do
        for pid in "${daemons[@]}"; do
            kill -0 "$pid" 2>/dev/null && break
            pid=
        done
        [ -z "$pid" ] && break
        sleep 0.1
    done
    # slurmd at times ignores SIGTERM while a step is ending.
    for pid in "${daemons[@]}"; do
        kill -KILL "$pid" 2>/dev/null
    done
    rm -rf "$tmp"
}
trap stop EXIT

mkdir "$tmp/munge" "$tmp/state" "$tmp/spool" "$tmp/out"
chown munge:munge "$tmp/munge"
runuser -u munge -- munged --socket="$tmp/munge/socket" --pid-file="$tmp/munge/pid" \
    --log-file="$tmp/munge/log" --seed-file="$tmp/munge/seed" ||
    skip "munged does not start: $(tail -n 1 "$tmp/munge/log" 2>/dev/null)"

read -r controllerPort nodePort < <(/usr/bin/python3 -c 'import socket
s = [socket.socket() for _ in range(2)]
for x in s: x.bind(("127.0.0.1", 0))
print(*[x.getsockname()[1] for x in s])')
host=$(hostname -s)
# Eight CPUs whatever the machine has, so that the eight small parts run at once.
cat >"$tmp/slurm.conf" <<CONF
ClusterName=primzeilen
SlurmctldHost=$host(127.0.0.1)
SlurmctldPort=$controllerPort
SlurmdPort=$nodePort
SlurmUser=root
SlurmdUser=root
AuthType=auth/munge
AuthInfo=socket=$tmp/munge/socket
CredType=cred/munge
StateSaveLocation=$tmp/state
SlurmdSpoolDir=$tmp/spool
SlurmctldPidFile=$tmp/slurmctld.pid
SlurmdPidFile=$tmp/slurmd.pid
SlurmctldLogFile=$tmp/slurmctld.log
SlurmdLogFile=$tmp/slurmd.log
ProctrackType=proctrack/linuxproc
TaskPlugin=task/none
MpiDefault=none
ReturnToService=2
SchedulerType=sched/builtin
SelectType=select/cons_tres
SelectTypeParameters=CR_CPU
SlurmdParameters=config_overrides
JobAcctGatherType=jobacct_gather/none
AccountingStorageType=accounting_storage/none
JobCompType=jobcomp/none
NodeName=$host NodeAddr=127.0.0.1 CPUs=8 State=UNKNOWN
PartitionName=teile Nodes=$host Default=YES MaxTime=INFINITE State=UP
CONF
export SLURM_CONF=$tmp/slurm.conf
slurmctld -D >/dev/null 2>&1 &
daemons+=($!)
slurmd -D >/dev/null 2>&1 &
daemons+=($!)
for _ in $(seq 100); do
    [ "$(sinfo -h -o %t 2>/dev/null)" = idle ] && break
    sleep 0.1
done
[ "$(sinfo -h -o %t 2>/dev/null)" = idle ] ||
    skip "the cluster does not come up: $(tail -n 2 "$tmp/slurmctld.log" "$tmp/slurmd.log" 2>&1)"

range=(1000000000001 1000003000000 90)
merge=$(PRIMZEILEN_CLI=$cli "$examples/slurm.sh" "$tmp/out" 8 "${range[@]}" \
    --format json --anpassung --modelle)
check "merge job submitted" 0 "$?"
for _ in $(seq 400); do
    [ -z "$(squeue -h 2>/dev/null)" ] && break
    sleep 0.1
done
check "queue empty" "" "$(squeue -h 2>&1)"
check "merge job $merge: no messages" "" "$(cat "$tmp/out/ergebnis.err" 2>&1)"
expected=$("$cli" --format json --anpassung --modelle "${range[@]}")
check "array of 8 parts merged as the whole run" "$expected" "$(cat "$tmp/out/ergebnis" 2>&1)"
check "parts written" 8 "$(ls "$tmp/out"/teil-*.json | wc -l)"
if [ "$failures" -eq 0 ]; then
    echo "Slurm: 8 parts and the merge ran on a one-node cluster"
else
    ls "$tmp/out"
    tail -n 3 "$tmp/out"/*.err "$tmp/slurmctld.log" "$tmp/slurmd.log"
fi
exit $((failures > 0))
