#!/usr/bin/env bash
# The demo: builds the project and renders the bundled invoice and shapes examples.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh
mkdir -p out
build/src/app/kwpnd render examples/invoice/layout.ini -d examples/invoice/data.ini -o out/invoice.png
build/src/app/kwpnd render examples/invoice/layout.ini -d examples/invoice/data.ini -o out/invoice.bmp
build/src/app/kwpnd render examples/invoice/layout.ini -d examples/invoice/data.ini -o out/invoice.pdf
build/src/app/kwpnd render examples/shapes/layout.ini -d examples/shapes/data.ini \
  --logo examples/shapes/logo.png --grid Orders=examples/shapes/orders.csv -o out/shapes.png
echo "demo: wrote out/invoice.png, out/invoice.bmp, out/invoice.pdf and out/shapes.png"
# Label sheets: positions in twips. Each sheet writes the last number it used
# back into its data file, so the demo works on a copy in out/.
cp examples/labels/data.ini out/labels-data.ini
build/src/app/kwpnd render examples/labels/ean13_sheet.ini -d out/labels-data.ini --scale-mode 1 \
  -o out/labels-ean13-sheet.png
build/src/app/kwpnd render examples/labels/code39_sheet.ini -d out/labels-data.ini --scale-mode 1 \
  -o out/labels-code39-sheet.png
build/src/app/kwpnd barcode ean13 400638133393 -o out/labels-ean13.png
build/src/app/kwpnd barcode code39 KWP-1042 -o out/labels-code39.png
build/src/app/kwpnd barcode upc11 03600029145 --scale-mode 3 -o out/labels-upca.png
build/src/app/kwpnd preview examples/invoice/layout.ini -d examples/invoice/data.ini --rulers \
  --screenshot out/window.png
build/src/app/kwpnd preview examples/invoice/layout.ini -d examples/invoice/data.ini --rulers \
  --adjusters --guides --screenshot out/designer.png
echo "demo: wrote out/labels-*-sheet.png, single symbols out/labels-*.png, out/window.png and out/designer.png"
build/src/app/kwpnd stationery examples/stationery 1.htm --screenshot out/stationery.png \
  2>out/stationery-messages.txt  # the window's message boxes, answered
echo "demo: wrote out/stationery.png (the stationery window on examples/stationery/1.htm)"
