#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each one for a number of seconds
# (first argument, default 30) from a scratch copy of its seed corpus in fuzz/corpus/, so
# the repository's corpus never grows. Exits non-zero when any target finds something; the
# inputs that broke it are kept in <build folder>/fuzz-findings/<target>/.
#
#   bash scripts/run_fuzzers.sh [seconds]
#
# BEDITOR_FUZZ_BUILD names the build folder (default build-fuzz), BEDITOR_FUZZ_JOBS the
# number of targets run side by side (default 1).
set -euo pipefail

seconds=${1:-30}
if ! [[ "$seconds" =~ ^[1-9][0-9]*$ ]]; then
  echo "usage: $0 [seconds per target]" >&2
  exit 2
fi
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${BEDITOR_FUZZ_BUILD:-$root/build-fuzz}
jobs=${BEDITOR_FUZZ_JOBS:-1}
targets=(line_list number_text argument_splitter load_fighter jpeg_picture csv workbook)

BEDITOR_FUZZ_TOOLS=1 bash "$root/scripts/install_dependencies.sh"
CC=clang CXX=clang++ cmake -S "$root" -B "$build" \
  -DBEDITOR_FUZZ=ON -DBEDITOR_TESTS=OFF -DBEDITOR_BENCHMARKS=OFF >/dev/null
cmake --build "$build" --target fuzzers -j "$(nproc)"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
findings="$build/fuzz-findings"

# Runs one target; its log ends with libFuzzer's final statistics.
run_target() {
  local target=$1 work="$scratch/$1"
  mkdir -p "$work/corpus" "$work/findings"
  cp -R "$root/fuzz/corpus/$target/." "$work/corpus/"
  local status=0
  # TMPDIR: the targets' own scratch files go with the rest, even after a crash.
  (cd "$work" && TMPDIR="$work" QT_QPA_PLATFORM=offscreen "$build/fuzz/${target}_fuzzer" \
     -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$work/findings/" \
     corpus >"$work/log" 2>&1) || status=$?
  if [ "$status" -ne 0 ] || [ -n "$(ls -A "$work/findings")" ]; then
    mkdir -p "$findings/$target"
    cp -R "$work/findings/." "$findings/$target/"
    cp "$work/log" "$findings/$target/log.txt"
    echo "FAILED $target (exit $status): log and inputs in $findings/$target/"
    grep -v '^#' "$work/log" | tail -n 40
    return 1
  fi
  local runs time
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/log")
  time=$(sed -n 's/^Done [0-9]* runs in \([0-9]*\) second.*/\1/p' "$work/log")
  echo "ok     $target: $runs runs in $time s"
}

failed=0
running=0
for target in "${targets[@]}"; do
  run_target "$target" >"$scratch/$target.result" 2>&1 &
  running=$((running + 1))
  if [ "$running" -ge "$jobs" ]; then
    wait -n || failed=1
    running=$((running - 1))
  fi
done
while [ "$running" -gt 0 ]; do
  wait -n || failed=1
  running=$((running - 1))
done
for target in "${targets[@]}"; do cat "$scratch/$target.result"; done

if [ "$failed" -ne 0 ]; then
  echo "fuzzing found problems" >&2
  exit 1
fi
echo "fuzzing found nothing in ${seconds} s per target"
