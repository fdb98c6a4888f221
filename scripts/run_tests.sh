#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless through CTest: the plain
# build, the Windows cross build of the core under Wine, then the same suite built with
# AddressSanitizer and UndefinedBehaviorSanitizer, then a short run of every fuzz target.
#   BEDITOR_QUICK=1  only the plain build and its tests
#   BEDITOR_FUZZ_SECONDS=N  seconds per fuzz target (default 15)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc 2>/dev/null || echo 2)
quick=${BEDITOR_QUICK:-0}

if [ "$quick" = 1 ]; then
  "$root/scripts/install_dependencies.sh"
else
  BEDITOR_FUZZ_TOOLS=1 "$root/scripts/install_dependencies.sh"
fi

echo "== plain build"
"$root/scripts/build.sh"
(cd "${BEDITOR_BUILD_DIR:-$root/build}" && ctest --output-on-failure --parallel "$jobs")
[ "$quick" = 1 ] && exit 0

echo "== Windows cross build (MinGW-w64), tests under Wine"
"$root/scripts/run_windows_tests.sh"

echo "== AddressSanitizer and UndefinedBehaviorSanitizer build"
BEDITOR_BUILD_DIR="$root/build-sanitize" "$root/scripts/build.sh" \
  -DBEDITOR_SANITIZE=ON -DBEDITOR_BENCHMARKS=OFF -DCMAKE_BUILD_TYPE=Debug
(cd "$root/build-sanitize" && ctest --output-on-failure --parallel "$jobs")

if [ -x "$root/scripts/run_fuzzers.sh" ]; then
  echo "== fuzzing, ${BEDITOR_FUZZ_SECONDS:-15} s per target"
  "$root/scripts/run_fuzzers.sh" "${BEDITOR_FUZZ_SECONDS:-15}"
fi
