#!/usr/bin/env bash
# Hosts that never show a web page do not load the browser engine: the main
# library does not need it, the stationery library does.
set -euo pipefail
main=$1
stationery=$2
needed() { readelf -d "$1" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p'; }
# Each list is read whole before it is searched (grep -q stops early, and
# under pipefail a cut-off writer would fail the pipe).
main_needs=$(needed "$main")
stationery_needs=$(needed "$stationery")
if grep -q WebEngine <<<"$main_needs"; then
    echo "FAIL: $(basename "$main") needs the browser engine: $(grep WebEngine <<<"$main_needs" | tr '\n' ' ')"
    exit 1
fi
grep -q WebEngine <<<"$stationery_needs" || { echo "FAIL: $(basename "$stationery") does not need the browser engine"; exit 1; }
grep -q '^libKWPND10\.so' <<<"$stationery_needs" || { echo "FAIL: $(basename "$stationery") does not use the main library"; exit 1; }
echo "the browser engine is needed by the stationery library only"
