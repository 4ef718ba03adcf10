#!/usr/bin/env bash
# Runs core_test.js where node and the built module are there; 77 (skipped) otherwise.
module=$1
if ! command -v node >/dev/null || [ ! -f "$module" ]; then
    echo "Kein Web-Kern gebaut (scripts/web) oder kein node: übersprungen."
    exit 77
fi
exec node "$(dirname "$0")/core_test.js" "$@"
