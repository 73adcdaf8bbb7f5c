#!/usr/bin/env bash
# The manual page tells of every command, every option each command's --help
# lists, the symbologies and every exit status, and formats without warnings.
set -euo pipefail
source_dir=$1
kwpnd=$(realpath "$2")
source "$source_dir/tests/app/help_options.sh"
page=$source_dir/docs/kwpnd.1

warnings=$(LC_ALL=C groff -man -Tascii -ww -z "$page" 2>&1)
[[ -z $warnings ]] || { echo "groff warns: $warnings"; exit 1; }
text=$(LC_ALL=C groff -man -Tascii -P-cbou "$page" 2>/dev/null)

failures=0
missing() { echo "FAIL: the manual page lacks $*"; failures=$((failures + 1)); }
# A section's text: from its heading to the next one.
section() { awk -v h="$1" '/^[A-Z]/ { on = ($0 == h) } on' <<<"$text"; }

commands=$(section COMMANDS)
for command in render preview print barcode stationery; do
    grep -qE "^       $command( |$)" <<<"$commands" || missing "the command $command"
done
options=$(section OPTIONS)
for command in render preview print barcode stationery; do
    for option in $(help_options "$command"); do
        grep -qE -- "(^|[ ,])$option([ ,=]|$)" <<<"$options" || missing "$command's option $option"
    done
done
grep -qE -- "^       --version" <<<"$options" || missing "--version"
symbologies=$(help_symbologies)
[[ $(wc -w <<<"$symbologies") -ge 4 ]] || missing "(the help names too few symbologies: $symbologies)"
for symbology in $symbologies; do
    grep -qw "$symbology" <<<"$commands" || missing "the symbology $symbology"
done
statuses=$(section "EXIT STATUS")
for status in 0 1 2 3 4; do
    grep -qE "^       $status  " <<<"$statuses" || missing "exit status $status"
done

((failures == 0)) || exit 1
echo "the manual page covers the commands, their options and the exit statuses"
