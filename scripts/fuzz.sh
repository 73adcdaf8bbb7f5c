#!/usr/bin/env bash
# Builds the fuzz targets with clang's libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer in build-fuzz/ and runs each for SECONDS.
# Usage: scripts/fuzz.sh SECONDS [TARGET...]   (targets: tests/fuzz/corpus/*)
#
# Each target starts from a scratch copy of its seed corpus, so what the run
# adds never lands in the tree. A crash, sanitizer report, timeout or running
# out of memory is saved under build-fuzz/findings/TARGET/ and the run goes
# on (FUZZ_STOP_AT_FIRST=1 stops at the first one instead). At the end the
# script prints the executions and findings of every target and fails when
# any target had a finding.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
seconds=${1:?usage: scripts/fuzz.sh SECONDS [TARGET...]}
shift
if [ $# -gt 0 ]; then
  targets=("$@")
else
  targets=()
  for dir in tests/fuzz/corpus/*/; do targets+=("$(basename "$dir")"); done
fi

"$root/scripts/setup.sh"
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DKWPND_FUZZ=ON -DKWPND_BUILD_BENCH=OFF >/dev/null
cmake --build build-fuzz -j "$(nproc)" --target "${targets[@]/#/fuzz_}"

export QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 TZ=UTC
export ASAN_OPTIONS="detect_leaks=1:detect_odr_violation=0${ASAN_OPTIONS:+:$ASAN_OPTIONS}"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1${UBSAN_OPTIONS:+:$UBSAN_OPTIONS}"
export LSAN_OPTIONS="suppressions=$root/tests/sanitizer/lsan.supp:print_suppressions=0${LSAN_OPTIONS:+:$LSAN_OPTIONS}"

keep_going=(-fork=1 -ignore_crashes=1 -ignore_timeouts=1 -ignore_ooms=1)
[ "${FUZZ_STOP_AT_FIRST:-0}" = 1 ] && keep_going=()

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
summary=()
status=0
for target in "${targets[@]}"; do
  findings="$root/build-fuzz/findings/$target"
  mkdir -p "$findings" "$scratch/$target"
  cp -r "tests/fuzz/corpus/$target/." "$scratch/$target/"
  log="$root/build-fuzz/findings/$target.log"
  echo "fuzzing $target for $seconds s (log: $log)"
  set +e
  "build-fuzz/tests/fuzz/fuzz_$target" "$scratch/$target" "${keep_going[@]}" \
    -max_total_time="$seconds" -timeout=25 -rss_limit_mb=4096 -max_len=4096 \
    -print_final_stats=1 -artifact_prefix="$findings/" >"$log" 2>&1
  set -e
  # The plain engine prints its total in its final statistics, the forking
  # one in its last status line ("#EXECUTIONS: cov: ...").
  executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  [ -n "$executions" ] || executions=$(grep -oE '^#[0-9]+' "$log" | tail -n 1 | tr -d '#')
  count=$(find "$findings" -maxdepth 1 -type f -newer "$scratch" | wc -l)
  summary+=("$(printf '%-12s %12s executions  %3d findings' "$target" "${executions:-?}" "$count")")
  [ "$count" -eq 0 ] || status=1
done
printf '%s\n' "${summary[@]}"
exit $status
