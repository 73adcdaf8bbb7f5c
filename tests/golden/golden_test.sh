#!/usr/bin/env bash
# The image test: renders the examples, the benchmark fixtures and a set of
# single symbols with the kwpnd tool and compares every page, pixel for pixel,
# with its stored reference in references/. PDF output is rasterised at 96 dpi
# (pdftoppm), so the recording that printers and PDF files replay is compared
# too. The clock is pinned (faketime) so that date fields draw the same day.
#
#   golden_test.sh KWPND IMAGE_COMPARE SOURCE_DIR WORK_DIR
#
# With KWPND_UPDATE_GOLDEN=1 the references are (re)written instead: do that
# only for a change that is meant to alter pixels, and look at every image.
set -uo pipefail
kwpnd=$1 compare=$2 source=$3 work=$4
references="$source/tests/golden/references"
fixtures="$source/bench/fixtures"
examples="$source/examples"
rm -rf "$work" && mkdir -p "$work"
# Layouts name their picture files relative to the source tree, as the demo
# runs them.
cd "$source" || exit 1

# name | arguments of kwpnd (OUT is the output file; DATA:path copies a data
# file that the run writes back into, so the sources stay untouched)
cases=(
  "invoice.png|render $examples/invoice/layout.ini -d $examples/invoice/data.ini -o OUT"
  "invoice.pdf|render $examples/invoice/layout.ini -d $examples/invoice/data.ini -o OUT"
  "shapes.png|render $examples/shapes/layout.ini -d $examples/shapes/data.ini --logo $examples/shapes/logo.png --grid Orders=$examples/shapes/orders.csv -o OUT"
  "labels-ean13-sheet.png|render $examples/labels/ean13_sheet.ini -d DATA:$examples/labels/data.ini --scale-mode 1 -o OUT"
  "labels-code39-sheet.png|render $examples/labels/code39_sheet.ini -d DATA:$examples/labels/data.ini --scale-mode 1 -o OUT"
  "labels-code39-sheet.pdf|render $examples/labels/code39_sheet.ini -d DATA:$examples/labels/data.ini --scale-mode 1 -o OUT"
  "page253.png|render $fixtures/page253/layout.ini -d $fixtures/page253/data.ini -o OUT"
  "page253.pdf|render $fixtures/page253/layout.ini -d $fixtures/page253/data.ini -o OUT"
  "fittext2000.png|render $fixtures/fittext2000/layout.ini -d $fixtures/fittext2000/data.ini --scale-mode 1 -o OUT"
  "fittext2000.pdf|render $fixtures/fittext2000/layout.ini -d $fixtures/fittext2000/data.ini --scale-mode 1 -o OUT"
  "labels1000.png|render $fixtures/labels1000/layout.ini -d DATA:$fixtures/labels1000/data.ini --scale-mode 1 -o OUT"
  "symbol-code39.png|barcode code39 KWP-1042 -o OUT"
  "symbol-code39-tall.png|barcode code39 A1 --height 120 -o OUT"
  "symbol-ean13.png|barcode ean13 400638133393 -o OUT"
  "symbol-ean13-short.png|barcode ean13 1234 -o OUT"
  "symbol-upca.png|barcode upc11 03600029145 -o OUT"
  "symbol-upca-pixels.png|barcode upc11 12345678901 --scale-mode 3 -o OUT"
  "symbol-evalbar.png|barcode evalbar EVAL-7 -o OUT"
  "symbol-evalbar-pixels.png|barcode evalbar AB --scale-mode 3 -o OUT"
)

failures=0
for entry in "${cases[@]}"; do
  name=${entry%%|*}
  read -r -a words <<< "${entry#*|}"
  out="$work/$name"
  args=()
  for word in "${words[@]}"; do
    case $word in
      OUT) args+=("$out") ;;
      DATA:*) copy="$work/${name%.*}-data.ini"; cp "${word#DATA:}" "$copy"; args+=("$copy") ;;
      *) args+=("$word") ;;
    esac
  done
  if ! QT_QPA_PLATFORM=offscreen faketime '2026-12-10 12:00:00' "$kwpnd" "${args[@]}" 2> "$work/$name.stderr"; then
    echo "FAIL $name: kwpnd ${args[*]}"; sed 's/^/    /' "$work/$name.stderr"; failures=$((failures + 1)); continue
  fi
  # A page drawn with reports is not the page of the reference.
  if [[ -s $work/$name.stderr ]]; then
    echo "FAIL $name: kwpnd reported"; sed 's/^/    /' "$work/$name.stderr"; failures=$((failures + 1)); continue
  fi
  image=$out reference="$references/$name"
  if [[ $name == *.pdf ]]; then
    pdftoppm -r 96 -singlefile -png "$out" "${out%.pdf}-pdf" || { echo "FAIL $name: pdftoppm"; failures=$((failures + 1)); continue; }
    image="${out%.pdf}-pdf.png" reference="$references/${name%.pdf}-pdf.png"
  fi
  if [[ ${KWPND_UPDATE_GOLDEN:-0} == 1 ]]; then
    cp "$image" "$reference"; echo "wrote $reference"; continue
  fi
  if [[ ! -f $reference ]]; then
    echo "FAIL $name: no reference $reference (KWPND_UPDATE_GOLDEN=1 writes it)"; failures=$((failures + 1)); continue
  fi
  if ! "$compare" "$reference" "$image" "$work/${name%.*}-diff.png" 2> "$work/$name.compare"; then
    echo "FAIL $name: $(cat "$work/$name.compare") (diff: $work/${name%.*}-diff.png)"; failures=$((failures + 1))
  else
    echo "ok   $name"
  fi
done
echo "$failures of ${#cases[@]} cases differ"
[[ $failures -eq 0 ]]
