#!/usr/bin/env bash
# The kwpnd tool is an ordinary host: its sources include the library's public
# headers (<kwpnd/...>), the tool's own files, Qt and the system, nothing else.
set -euo pipefail
app=$1/src/app
failures=0
while IFS= read -r line; do
    file=${line%%:*}
    header=$(sed -E 's/^[^#]*#[[:space:]]*include[[:space:]]*[<"]([^>"]+)[>"].*/\1/' <<<"${line#*:}")
    case $line in
    *'#include <kwpnd/'*) continue ;;
    *'#include "'*)
        # Only the tool's own files, by plain name, come in quotes.
        [[ $header != */* && -f $app/$header ]] && continue ;;
    *'#include <'*)
        # Qt and the system; never a folder of the library's sources.
        [[ $header =~ ^(surface|engine|barcode|preview|design|stationery|app)/ ]] || continue ;;
    esac
    echo "FAIL: ${file#"$1"/} includes $header"
    failures=$((failures + 1))
done < <(grep -H '^[[:space:]]*#[[:space:]]*include' "$app"/*.cpp "$app"/*.h)
exit $((failures > 0))
