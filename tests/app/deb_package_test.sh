#!/usr/bin/env bash
# Builds the Debian packages of the build directory with CPack, unpacks them
# into a scratch root (no real install), builds examples/host against the
# unpacked library package and runs the unpacked tool.
set -euo pipefail
source_dir=$1
binary_dir=$2
version=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

(cd "$binary_dir" && cpack -G DEB -B "$work/packages" >"$work/cpack.log" 2>&1) ||
    { cat "$work/cpack.log"; exit 1; }
library=("$work"/packages/libkwpnd10_"$version"_*.deb)
tool=("$work"/packages/kwpnd_"$version"_*.deb)
[ -f "${library[0]}" ] && [ -f "${tool[0]}" ] || { echo "packages missing:"; ls "$work/packages"; exit 1; }

# Each package holds its own part and nothing of the other's.
contents() { dpkg-deb -c "$1" | awk '{print $6}' | sed 's|^\./|/|'; }
expect_in() {
    grep -qE "$2" <<<"$(contents "$1")" || { echo "$(basename "$1") lacks $2"; contents "$1"; exit 1; }
}
expect_not_in() {
    if grep -qE "$2" <<<"$(contents "$1")"; then echo "$(basename "$1") holds $2"; exit 1; fi
}
expect_in "${library[0]}" '/libKWPND10\.so\.1$'
expect_in "${library[0]}" '/libKWPND10Stationery\.so\.1$'
expect_in "${library[0]}" '/include/kwpnd/kwpnd10_stationery_export\.h$'
expect_in "${library[0]}" '/include/kwpnd/preview\.h$'
expect_in "${library[0]}" '/cmake/KWPND10/KWPND10Config\.cmake$'
expect_not_in "${library[0]}" '/bin/kwpnd$'
expect_in "${tool[0]}" '^/usr/bin/kwpnd$'
expect_in "${tool[0]}" '^/usr/share/man/man1/kwpnd\.1'
expect_in "${tool[0]}" '^/usr/share/bash-completion/completions/kwpnd$'
expect_not_in "${tool[0]}" 'libKWPND10|/include/'
[ "$(dpkg-deb -f "${library[0]}" Package)" = libkwpnd10 ] || { echo "library package misnamed"; exit 1; }
[ "$(dpkg-deb -f "${tool[0]}" Package)" = kwpnd ] || { echo "tool package misnamed"; exit 1; }
# The tool is a host of the library: its package needs the library's.
grep -qE "(^|, )libkwpnd10 \(= $version\)" <<<"$(dpkg-deb -f "${tool[0]}" Depends)" ||
    { echo "the tool package does not depend on libkwpnd10: $(dpkg-deb -f "${tool[0]}" Depends)"; exit 1; }

root=$work/root
dpkg-deb -x "${library[0]}" "$root"
dpkg-deb -x "${tool[0]}" "$root"
libs=$(dirname "$(find "$root" -name 'libKWPND10.so.1' | head -1)")

cmake -S "$source_dir/examples/host" -B "$work/host" -G Ninja -DCMAKE_PREFIX_PATH="$root/usr" >"$work/host.log" 2>&1 &&
    cmake --build "$work/host" >>"$work/host.log" 2>&1 || { cat "$work/host.log"; exit 1; }
LD_LIBRARY_PATH="$libs:${LD_LIBRARY_PATH:-}" "$work/host/invoice_host" "$source_dir/examples/invoice/layout.ini" \
    "$source_dir/examples/invoice/data.ini" "$work/page.bmp" 2>"$work/stderr"
[ "$(head -c 2 "$work/page.bmp")" = "BM" ] || { echo "no bitmap written"; cat "$work/stderr"; exit 1; }
# The host is linked against the unpacked library, not the build tree's.
# (ldd's output is kept whole first: grep -q stops reading at the first
# match, and under pipefail the cut-off ldd would fail the pipe.)
linked=$(ldd "$work/host/invoice_host"; LD_LIBRARY_PATH="$libs" ldd "$work/host/invoice_host")
grep -qE "$root|$libs/libKWPND10" <<<"$linked" || { echo "host not linked to the unpacked library"; exit 1; }

out=$(LD_LIBRARY_PATH="$libs:${LD_LIBRARY_PATH:-}" "$root/usr/bin/kwpnd" --version)
[ "$out" = "kwpnd $version" ] || { echo "unpacked kwpnd --version said '$out'"; exit 1; }
manual=$(gzip -dc "$root/usr/share/man/man1/kwpnd.1.gz" 2>/dev/null || true)
grep -q '^\.SH "EXIT STATUS"' <<<"$manual" ||
    grep -q '^\.SH "EXIT STATUS"' "$root/usr/share/man/man1/kwpnd.1" 2>/dev/null ||
    { echo "manual page missing its exit statuses"; exit 1; }
echo "packages: $(du -k "${library[0]}" | cut -f1) KiB $(basename "${library[0]}"), $(du -k "${tool[0]}" | cut -f1) KiB $(basename "${tool[0]}")"
