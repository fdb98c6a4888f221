#!/usr/bin/env bash
# Runs a Windows program under Wine for the cross build's tests: a private Wine prefix in the
# build folder (BEDITOR_WINEPREFIX, or wine-prefix beside the current folder's CMakeCache),
# no Wine debug output. Start one `wineserver -p` for a whole test run (run_windows_tests.sh
# does): without it every process pays for starting Wine's server.
#
# Now and then (about one process in a thousand, while other Wine processes start and stop)
# Wine gives up on a program before running any of it: a failure exit within milliseconds and
# no output at all. No Windows program of ours ends that fast, so such an exit is Wine's, not
# the program's: it is said on standard error and the program is started once more. Any
# other failure, and a second one, is the program's answer.
set -uo pipefail
if [ -z "${WINEPREFIX:-}" ]; then
  dir=$PWD
  while [ "$dir" != / ] && [ ! -f "$dir/CMakeCache.txt" ]; do dir=$(dirname "$dir"); done
  [ -f "$dir/CMakeCache.txt" ] || dir=$PWD
  export WINEPREFIX="${BEDITOR_WINEPREFIX:-$dir/wine-prefix}"
fi
export WINEDEBUG=-all
wine=$(command -v wine || command -v wine64 || echo /usr/lib/wine/wine64)
start=$(date +%s%N)
"$wine" "$@"
code=$?
elapsed_ms=$((($(date +%s%N) - start) / 1000000))
if [ "$code" -ne 0 ] && [ "$elapsed_ms" -lt 50 ]; then
  echo "wine_run.sh: Wine ended '$1' with exit code $code after $elapsed_ms ms, before it ran; starting it again" >&2
  exec "$wine" "$@"
fi
exit "$code"
