#!/usr/bin/env bash
# The demo: builds the project and renders the bundled invoice.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh
mkdir -p out
build/src/app/kwpnd render examples/invoice/layout.ini -d examples/invoice/data.ini -o out/invoice.png
build/src/app/kwpnd render examples/invoice/layout.ini -d examples/invoice/data.ini -o out/invoice.bmp
build/src/app/kwpnd render examples/invoice/layout.ini -d examples/invoice/data.ini -o out/invoice.pdf
echo "demo: wrote out/invoice.png, out/invoice.bmp and out/invoice.pdf"
