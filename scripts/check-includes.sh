#!/usr/bin/env bash
# Checks that the includes under src/ keep to the layers:
#
#   surface <- engine <- barcode, preview <- design, stationery <- app
#
# (preview may use barcode too; stationery, a shared library of its own,
# and the tool are hosts of the library and use its public headers only).
# A folder includes another folder only
# through that folder's facade, <folder>_api.h, and only a folder below it;
# it names no other folder's file, no include climbs with "../", and the
# engine includes no widget header and nothing of barcode.
#
# Usage: scripts/check-includes.sh [SOURCE_DIR]
# The QtWidgets header directory is taken from KWPND_QTWIDGETS_DIR, else
# from qtpaths6. Prints one line per fault and exits 1 when there is one.
set -euo pipefail

root=${1:-$(cd "$(dirname "$0")/.." && pwd)}
src="$root/src"

# The folders each folder may include (their facades).
declare -A may_use=(
    [surface]=""
    [engine]="surface"
    [barcode]="engine surface"
    [preview]="barcode engine surface"
    [design]="preview barcode engine surface"
    [stationery]=""  # its own shared library: public headers only
    [app]=""  # the tool is an ordinary host: public headers only
)


widgets_dir=${KWPND_QTWIDGETS_DIR:-}
if [[ -z "$widgets_dir" ]] && command -v qtpaths6 >/dev/null; then
    widgets_dir="$(qtpaths6 --query QT_INSTALL_HEADERS)/QtWidgets"
fi
if [[ ! -d "$widgets_dir" ]]; then
    echo "check-includes: no QtWidgets header directory (set KWPND_QTWIDGETS_DIR)" >&2
    exit 2
fi

include_pattern='^[[:space:]]*#[[:space:]]*include[[:space:]]*(["<])([^">]*)[">]'

faults=0
fault() {
    echo "src/$1: $2"
    faults=$((faults + 1))
}

# Every folder's own file names, to tell whose private header a bare name is.
declare -A owner=()
while IFS= read -r -d '' path; do
    rel=${path#"$src"/}
    owner[${rel#*/}]+="${rel%%/*} "
done < <(find "$src" -mindepth 2 -maxdepth 2 -type f -name '*.h' -print0)

allowed() {  # allowed FOLDER TARGET
    local f
    for f in ${may_use[$1]}; do [[ "$f" == "$2" ]] && return 0; done
    return 1
}

while IFS= read -r -d '' file; do
    rel=${file#"$src"/}
    if [[ "$rel" != */* ]]; then
        own=""
    else
        own=${rel%%/*}
        if [[ -z "${may_use[$own]+x}" ]]; then
            fault "$rel" "folder src/$own is not in the layer table of scripts/check-includes.sh"
            continue
        fi
    fi
    while IFS= read -r hit; do
        line=${hit%%:*}
        text=${hit#*:}
        [[ "$text" =~ $include_pattern ]] || continue
        kind=${BASH_REMATCH[1]}
        name=${BASH_REMATCH[2]}
        where="$rel:$line"

        if [[ "$name" == *../* || "$name" == ../* ]]; then
            fault "$where" "\"$name\" climbs with ../"
            continue
        fi
        [[ -z "$own" ]] && continue

        if [[ "$kind" == "<" ]]; then
            if [[ "$own" == engine ]] &&
                [[ "$name" == QtWidgets/* || -f "$widgets_dir/$name" ]]; then
                fault "$where" "the engine includes the widget header <$name>"
            fi
            continue
        fi

        case "$name" in
        kwpnd/*) continue ;;  # the public headers
        */*)
            folder=${name%%/*}
            if [[ -d "$src/$folder" ]]; then
                if [[ "$folder" == "$own" ]]; then
                    fault "$where" "\"$name\": include a file of the own folder by its bare name"
                else
                    fault "$where" "\"$name\" reaches into src/$folder: include its facade ${folder}_api.h"
                fi
            fi
            continue
            ;;
        esac

        if [[ "$name" =~ ^([a-z]+)_api\.h$ && -d "$src/${BASH_REMATCH[1]}" ]]; then
            folder=${BASH_REMATCH[1]}
            if [[ "$folder" != "$own" ]] && ! allowed "$own" "$folder"; then
                fault "$where" "\"$name\": src/$own may not use src/$folder (the layers point the other way)"
            fi
            continue
        fi

        [[ -f "$src/$own/$name" ]] && continue
        for folder in ${owner[$name]:-}; do
            fault "$where" "\"$name\" is private to src/$folder: include its facade ${folder}_api.h"
        done
    done < <(grep -n '^[[:space:]]*#[[:space:]]*include' "$file" || true)
done < <(find "$src" -type f \( -name '*.h' -o -name '*.cpp' \) -print0 | sort -z)

if ((faults > 0)); then
    echo "check-includes: $faults include(s) against the layers" >&2
    exit 1
fi
echo "check-includes: every include under src/ keeps to the layers"
