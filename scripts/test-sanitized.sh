#!/usr/bin/env bash
# Builds the tests with AddressSanitizer and UndefinedBehaviorSanitizer in
# build-asan/ and runs them. Any sanitizer report fails the test that caused it.
# Leak reports are suppressed only for leaks allocated inside the system's Qt,
# Qt WebEngine and fontconfig libraries (tests/sanitizer/lsan.supp).
# Usage: scripts/test-sanitized.sh [ctest arguments...] (given to both ctest runs below)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
"$root/scripts/setup.sh"

flags="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DKWPND_BUILD_BENCH=OFF \
  -DCMAKE_CXX_FLAGS="$flags" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
  -DCMAKE_SHARED_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
# Only the test programs (and what they run), not the benchmarks or the package.
cmake --build build-asan --target kwpnd_test_programs -j "$(nproc)"

export ASAN_OPTIONS="detect_leaks=1:halt_on_error=1:detect_odr_violation=0${ASAN_OPTIONS:+:$ASAN_OPTIONS}"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1${UBSAN_OPTIONS:+:$UBSAN_OPTIONS}"
export LSAN_OPTIONS="suppressions=$root/tests/sanitizer/lsan.supp:print_suppressions=0${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
# host_package and deb_package build an uninstrumented host program against
# the installed or packed library; an instrumented library cannot be loaded
# into it, so they run only in the normal build.
# Qt WebEngine frees some of its own objects with a sized delete of another
# type (inside the browser engine, nothing of ours); ASan can only turn that
# check off for a whole process, so it is off for the test programs that host
# a web view (app_tests, stationery_tests) alone.
# The image test pins the clock with faketime, a preloaded library that comes
# before the ASan runtime; the link-order check is off for that test alone.
web='app_tests|stationery_tests'
status=0
ctest --test-dir build-asan --output-on-failure -E "^(host_package|deb_package|golden_images|$web)\$" "$@" || status=$?
ASAN_OPTIONS="$ASAN_OPTIONS:new_delete_type_mismatch=0" \
  ctest --test-dir build-asan --output-on-failure "$@" -R "^($web)\$" || status=$?
ASAN_OPTIONS="$ASAN_OPTIONS:verify_asan_link_order=0" \
  ctest --test-dir build-asan --output-on-failure "$@" -R '^golden_images$' || status=$?
exit $status
