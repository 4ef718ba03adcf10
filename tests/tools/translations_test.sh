#!/usr/bin/env bash
# Every text the sources mark has its English in the catalogues: the catalogues brought up to
# date with the sources (in a copy) hold no unfinished entry, and lrelease compiles them all.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$root"/translations/*.ts "$work"/
PRIMZEILEN_CATALOGUES=$work "$root/scripts/update-texts" >"$work/update.log" 2>&1 || {
    cat "$work/update.log"
    exit 1
}
status=0
for catalogue in "$work"/*.ts; do
    name=$(basename "$catalogue")
    if ! cmp -s "$catalogue" "$root/translations/$name"; then
        echo "translations/$name is not up to date with the sources (run scripts/update-texts):"
        diff "$root/translations/$name" "$catalogue" | head -20
        status=1
    fi
    unfinished=$(grep -c 'type="unfinished"' "$catalogue" || true)
    if [ "$unfinished" -ne 0 ]; then
        echo "translations/$name: $unfinished texts without English:"
        grep -B2 'type="unfinished"' "$catalogue" | sed -n 's/.*<source>\(.*\)/  \1/p' | head -20
        status=1
    fi
    report=$(/usr/lib/qt6/bin/lrelease "$catalogue" -qm "$work/${name%.ts}.qm")
    if ! grep -q '(\([0-9]*\) finished and 0 unfinished)' <<<"$report" ||
        grep -q 'untranslated' <<<"$report"; then
        echo "lrelease $name: $report"
        status=1
    fi
done
exit $status
