#!/usr/bin/env bash
# The shared libraries export their public API only: no symbol of theirs names
# a private implementation or a type of the library's own insides. The first
# one exports what a host needs to derive from the dialog service and to ask
# dynamic_cast about the component: their type information and vtables.
# Usage: exported_symbols_test.sh LIBRARY...
set -euo pipefail
internal='::Private::|kwpnd::stationery::|kwpnd::Ini(Name|Document|File|LookupPass)[^A-Za-z]|kwpnd::(GenerationDriver|FieldContext|WorkingRecord)'
faults=0
for library in "$@"; do
    leaked=$(nm -D --defined-only --demangle "$library" | cut -d' ' -f3- | grep -E "$internal" || true)
    if [[ -n "$leaked" ]]; then
        echo "FAIL: $(basename "$library") exports internal names:"
        echo "$leaked" | head -20
        faults=1
    fi
done
needed=("typeinfo for kwpnd::Dialogs" "typeinfo for kwpnd::HeadlessDialogs" "vtable for kwpnd::HeadlessDialogs"
        "typeinfo for kwpnd::clsKWPNDPreviewA")
exported=$(nm -D --defined-only --demangle "$1" | cut -d' ' -f3-)
for name in "${needed[@]}"; do
    if ! grep -qxF "$name" <<<"$exported"; then
        echo "FAIL: $(basename "$1") does not export $name"
        faults=1
    fi
done
exit $faults
