#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless through CTest: the plain
# build, the Windows cross build of the core under Wine, the extended-precision code alone
# with a narrower long double, then the same suite built with AddressSanitizer and
# UndefinedBehaviorSanitizer, then a short run of every fuzz target.
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

# The ratings and the bar fill alone, with a long double narrower than the x87's, so that
# the software 64-bit-significand type that MSVC and ARM builds use is built and checked
# here too. Qt-free and small: seconds, not a second full build.
echo "== software extended precision (-mlong-double-64)"
narrow_flags=()
case "$(uname -m)" in
  x86_64 | i?86) narrow_flags=(-DCMAKE_CXX_FLAGS=-mlong-double-64 -DBEDITOR_REQUIRE_SOFTWARE_EXTENDED=ON) ;;
esac
cmake -S "$root/tests/software_extended" -B "$root/build-software-extended" ${narrow_flags[@]+"${narrow_flags[@]}"} >/dev/null
cmake --build "$root/build-software-extended" --parallel "$jobs"
(cd "$root/build-software-extended" && ctest --output-on-failure --parallel "$jobs")

echo "== AddressSanitizer and UndefinedBehaviorSanitizer build"
BEDITOR_BUILD_DIR="$root/build-sanitize" "$root/scripts/build.sh" \
  -DBEDITOR_SANITIZE=ON -DBEDITOR_BENCHMARKS=OFF -DCMAKE_BUILD_TYPE=Debug
(cd "$root/build-sanitize" && ctest --output-on-failure --parallel "$jobs")

if [ -x "$root/scripts/run_fuzzers.sh" ]; then
  echo "== fuzzing, ${BEDITOR_FUZZ_SECONDS:-15} s per target"
  "$root/scripts/run_fuzzers.sh" "${BEDITOR_FUZZ_SECONDS:-15}"
fi
