#!/usr/bin/env bash
# Builds the HTML reference of the public headers (include/kwpnd/) with
# Doxygen into build/docs/html, and tells how many warnings (undocumented
# members among them) doxygen wrote to build/docs/warnings.log.
# Exits 0 whatever the count: the list is for documenting what is missing.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$here/build/docs}

command -v doxygen >/dev/null || "$here/scripts/setup.sh"
version=$(sed -nE 's/^project\([A-Za-z0-9_]+ VERSION ([0-9.]+).*/\1/p' "$here/CMakeLists.txt" | head -1)
mkdir -p "$out"
rm -rf "$out/html" "$out/warnings.log"
sed -e "s|@VERSION@|$version|g" -e "s|@OUTPUT_DIR@|$out|g" -e "s|@SOURCE_DIR@|$here|g" \
    "$here/docs/Doxyfile.in" >"$out/Doxyfile"
doxygen "$out/Doxyfile"

warnings=$(grep -cE '^[^ ].*: warning: ' "$out/warnings.log" || true)
undocumented=$(grep -cE ': warning: .* is not documented' "$out/warnings.log" || true)
echo "docs: $out/html/index.html"
echo "docs: $warnings warnings ($undocumented undocumented members), listed in $out/warnings.log"
