#!/usr/bin/env bash
# Runs a Windows program under Wine for the cross build's tests: a private Wine prefix in the
# build folder (BEDITOR_WINEPREFIX, or wine-prefix beside the current folder's CMakeCache),
# no Wine debug output. Start one `wineserver -p` for a whole test run (run_windows_tests.sh
# does): without it every process pays for starting Wine's server.
set -euo pipefail
if [ -z "${WINEPREFIX:-}" ]; then
  dir=$PWD
  while [ "$dir" != / ] && [ ! -f "$dir/CMakeCache.txt" ]; do dir=$(dirname "$dir"); done
  [ -f "$dir/CMakeCache.txt" ] || dir=$PWD
  export WINEPREFIX="${BEDITOR_WINEPREFIX:-$dir/wine-prefix}"
fi
export WINEDEBUG=-all
wine=$(command -v wine || command -v wine64 || echo /usr/lib/wine/wine64)
exec "$wine" "$@"
