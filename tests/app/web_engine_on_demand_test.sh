#!/usr/bin/env bash
# The kwpnd tool loads the web browser engine only for the commands that use
# it: the tool needs neither the engine nor the stationery library (its web
# parts plugin does), and rendering a page loads no part of either.
set -euo pipefail
tool=$1 plugin=$2 source=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Each list is read whole before it is searched (grep -q stops early, and
# under pipefail a cut-off writer would fail the pipe).
tool_needs=$(ldd "$tool")
plugin_needs=$(readelf -d "$plugin")
if grep -E 'WebEngine|KWPND10Stationery' <<<"$tool_needs"; then
    echo "FAIL: kwpnd needs the browser engine or the stationery library"
    exit 1
fi
grep -q WebEngine <<<"$plugin_needs" || { echo "FAIL: $(basename "$plugin") does not need the browser engine"; exit 1; }
grep -q KWPND10Stationery <<<"$plugin_needs" ||
    { echo "FAIL: $(basename "$plugin") does not need the stationery library"; exit 1; }

# What a render run loads, as the dynamic loader reports it.
LD_DEBUG=files LD_DEBUG_OUTPUT="$work/loaded" "$tool" render "$source/examples/invoice/layout.ini" \
    -d "$source/examples/invoice/data.ini" -o "$work/invoice.png"
loaded=$(cat "$work"/loaded.*)
if grep -E 'file=[^ ]*(WebEngine|KWPND10Stationery|kwpnd_web)' <<<"$loaded"; then
    echo "FAIL: kwpnd render loaded the web parts"
    exit 1
fi
echo "kwpnd loads the browser engine only with its web parts plugin"
