# Sourced by the command-line script tests: the options a kwpnd command's
# --help lists, read from its option lines ("  -d, --data FILE",
# "  --picture1 .. --picture4 FILE"), one a line, -h and --help included.
# Needs $kwpnd, the tool to ask.
help_options() {
    "$kwpnd" "$1" --help | grep -E '^  +-' | sed -E 's/^ +//; s/ {2,}.*//' |
        sed -E 's/--([a-z-]+)([0-9]) \.\. --[a-z-]+([0-9])/@\1 \2 \3/' |
        while read -r first rest; do
            if [[ $first == @* ]]; then
                read -r from to _ <<<"$rest"
                for ((n = from; n <= to; n++)); do echo "--${first#@}$n"; done
            else
                grep -oE '(^|[ ,])--?[a-z][a-z0-9-]*' <<<"$first $rest" | tr -d ' ,'
            fi
        done
    printf '%s\n' -h --help
}

# The symbologies barcode's --help names ("  SYMBOLOGY  code39, ean13 ... or x").
help_symbologies() {
    "$kwpnd" barcode --help | sed -nE 's/^  SYMBOLOGY +(.*) or (.*)/\1 \2/p' | tr -d ','
}
