#!/usr/bin/env bash
# Cross-builds the whole program and its tests for 64-bit Windows with MinGW-w64
# (build-windows/, preset "windows-cross"), against the static Qt that build_windows_qt.sh
# makes, runs the tests under Wine through CTest, and makes the zip and the installer
# (build-windows/packages/). Skipped, saying so, where MinGW-w64 or Wine is missing.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BEDITOR_WINDOWS_BUILD:-$root/build-windows}
jobs=$(nproc 2>/dev/null || echo 2)

if ! command -v x86_64-w64-mingw32-g++-posix >/dev/null; then
  echo "MinGW-w64 (g++-mingw-w64-x86-64-posix) is not installed: the Windows build is skipped"
  exit 0
fi
if ! command -v wine >/dev/null && ! command -v wine64 >/dev/null && [ ! -x /usr/lib/wine/wine64 ]; then
  echo "Wine is not installed: the Windows tests are skipped"
  exit 0
fi

# The static Qt and libjpeg for Windows: built once per machine (about half an hour),
# then taken from the cache.
prefix=$("$root/scripts/build_windows_qt.sh" | tail -1)
# The workbook libraries (zlib, minizip, expat, libxlsxwriter): a minute, then cached too.
libraries=$("$root/scripts/build_windows_libraries.sh" | tail -1)

cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DBEDITOR_WINDOWS_PREFIX="$prefix" -DBEDITOR_WINDOWS_LIBRARIES="$libraries" \
  -DBEDITOR_BENCHMARKS=OFF >/dev/null
cmake --build "$build" --parallel "$jobs"
# The zip and the installer, from the program folder as built (before any test runs in it).
(cd "$build" && cpack >/dev/null)
ls -l "$build"/packages/BEditor-*

export WINEPREFIX="$build/wine-prefix" WINEDEBUG=-all
mkdir -p "$WINEPREFIX"
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver64)
# One Wine server for the whole run, started before any Windows program: each test process
# then starts in a fraction of a second. The first program run makes the prefix.
"$wineserver" -k 2>/dev/null || true
"$wineserver" -p
trap 'exec 9>&- 2>/dev/null; "$wineserver" -k 2>/dev/null || true' EXIT
"$root/scripts/wine_run.sh" cmd /c exit >/dev/null 2>&1 || true
# Wine's own background processes (services, the desktop) start with the first Windows
# program of a session and stop some time after the last one; started by a test, they keep
# its output open, and CTest waits for them (a test or a test listing then took 30 s, or ran
# into its timeout). So one program that waits for input runs through the whole run, and
# they stay up, started with no test's output: a command prompt reading from a pipe that this
# script holds open until it ends.
keep_alive=$(mktemp -u)
mkfifo "$keep_alive"
"$root/scripts/wine_run.sh" cmd <"$keep_alive" >/dev/null 2>&1 &
exec 9>"$keep_alive"
rm "$keep_alive"
# Every program that wine_run.sh started a second time is named here: a retry may hide a
# fault of ours, so none passes unseen.
export BEDITOR_WINE_RETRY_LOG="$build/wine-retries.log"
: >"$BEDITOR_WINE_RETRY_LOG"
status=0
(cd "$build" && ctest --output-on-failure --parallel "$jobs") || status=$?
retries=$(grep -c '' "$BEDITOR_WINE_RETRY_LOG" || true)
echo "Programs Wine ended before they ran, started again: $retries"
if [ "$retries" -gt 0 ]; then sed 's/^/  /' "$BEDITOR_WINE_RETRY_LOG"; fi
exit "$status"
