#!/usr/bin/env bash
# Hosts that never show a web page do not load the browser engine: the main
# library does not need it, the stationery library does.
set -euo pipefail
main=$1
stationery=$2
needed() { readelf -d "$1" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p'; }
if needed "$main" | grep -q WebEngine; then
    echo "FAIL: $(basename "$main") needs the browser engine: $(needed "$main" | grep WebEngine | tr '\n' ' ')"
    exit 1
fi
needed "$stationery" | grep -q WebEngine || { echo "FAIL: $(basename "$stationery") does not need the browser engine"; exit 1; }
needed "$stationery" | grep -q '^libKWPND10\.so' || { echo "FAIL: $(basename "$stationery") does not use the main library"; exit 1; }
echo "the browser engine is needed by the stationery library only"
