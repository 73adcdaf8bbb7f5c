#!/usr/bin/env bash
# Installs the library into a scratch prefix, builds examples/host against the
# installed CMake package and runs it on the invoice example.
set -euo pipefail
source_dir=$1
binary_dir=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cmake --install "$binary_dir" --prefix "$work/prefix" >/dev/null
cmake -S "$source_dir/examples/host" -B "$work/build" -G Ninja -DCMAKE_PREFIX_PATH="$work/prefix" >/dev/null
cmake --build "$work/build" >/dev/null
LD_LIBRARY_PATH="$work/prefix/lib:$work/prefix/lib/x86_64-linux-gnu:${LD_LIBRARY_PATH:-}" \
  "$work/build/invoice_host" "$source_dir/examples/invoice/layout.ini" \
  "$source_dir/examples/invoice/data.ini" "$work/page.bmp" 2>"$work/stderr"
# A Windows bitmap starts with "BM".
[ "$(head -c 2 "$work/page.bmp")" = "BM" ] || { echo "no bitmap written"; cat "$work/stderr"; exit 1; }
echo "host built against the installed package and wrote a page"
