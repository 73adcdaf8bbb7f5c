#!/usr/bin/env bash
# The bash completion of kwpnd: every option each command's --help lists is
# offered for that command and nothing else, and option values, file names
# and symbologies are completed where they belong.
set -euo pipefail
source_dir=$1
kwpnd=$(realpath "$2")
# shellcheck source=../../scripts/completion/kwpnd.bash
source "$source_dir/scripts/completion/kwpnd.bash"
source "$source_dir/tests/app/help_options.sh"

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# The completions of a command line as bash splits it (at spaces and at
# '='), one a line, sorted. A trailing space starts a fresh word.
complete_line() {
    local line=$1
    line=${line//=/ = }
    read -r -a COMP_WORDS <<<"$line"
    # Right after '=', bash points at the sign itself; after a space, at a
    # fresh empty word.
    if [[ $1 == *" " ]]; then COMP_WORDS+=(""); fi
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMPREPLY=()
    _kwpnd
    if ((${#COMPREPLY[@]})); then printf '%s\n' "${COMPREPLY[@]}" | sort -u; fi
}

expect() {
    local line=$1 expected
    expected=$(printf '%s\n' "${@:2}" | sed '/^$/d' | sort -u)
    local got
    got=$(complete_line "$line")
    [[ $got == "$expected" ]] || fail "'$line': expected [$(echo $expected)], got [$(echo $got)]"
}

render=$(help_options render)
window=$(grep -vxE -- '-o|--output' <<<"$render")
check_options() {
    local command=$1 expected=$2 got
    expected=$(sort -u <<<"$expected")
    got=$(complete_line "kwpnd $command -")
    [[ $got == "$expected" ]] ||
        fail "$command options differ from its help: $(diff <(echo "$expected") <(echo "$got") | grep '^[<>]' | tr '\n' ' ')"
}
[[ $(wc -l <<<"$render") -gt 20 ]] || fail "render's help lists too few options: $render"
check_options render "$render"
check_options preview "$window
$(help_options preview)"
check_options print "$window"
check_options barcode "$(help_options barcode)"
check_options stationery "$(help_options stationery)"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
mkdir sub
touch a.ini b.png c.pdf d.bmp e.txt 'f g.ini'

expect "kwpnd " render preview print barcode stationery --help --version
expect "kwpnd re" render
expect "kwpnd render " a.ini 'f g.ini' sub
expect "kwpnd render --str" --strict --string
expect "kwpnd render a.ini -o " b.png c.pdf d.bmp sub
expect "kwpnd render a.ini --output=" b.png c.pdf d.bmp sub
expect "kwpnd render a.ini --data=" a.ini 'f g.ini' sub
expect "kwpnd render a.ini -d f" 'f g.ini'
expect "kwpnd render a.ini --scale-mode " 0 1 2 3 4 5 6 7
expect "kwpnd render a.ini --logo e" e.txt
expect "kwpnd render a.ini --height "
# A value is not the layout: the layout is still to come after it.
expect "kwpnd render --string K=V " a.ini 'f g.ini' sub
expect "kwpnd render --strict -d a.ini " a.ini 'f g.ini' sub
expect "kwpnd render a.ini "
expect "kwpnd preview a.ini --screenshot " b.png sub
expect "kwpnd preview a.ini --ru" --rulers
expect "kwpnd print a.ini --ru"
symbologies=$(help_symbologies)
[[ $(wc -w <<<"$symbologies") -ge 4 ]] || fail "barcode's help names too few symbologies: $symbologies"
expect "kwpnd barcode " $symbologies
expect "kwpnd barcode -o d.bmp e" $(tr ' ' '\n' <<<"$symbologies" | grep "^e")
expect "kwpnd barcode ean13 "
expect "kwpnd barcode ean13 1 -o " b.png d.bmp sub
expect "kwpnd stationery " sub
expect "kwpnd stationery sub --screenshot " b.png sub
expect "kwpnd frobnicate "

if ((failures)); then
    echo "$failures completion check(s) failed"
    exit 1
fi
echo "completion offers each command's options and values"
