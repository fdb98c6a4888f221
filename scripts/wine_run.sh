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
# other failure, one with output, and a second one, is the program's answer. So the output
# is kept in files until the program ends and passed on then.
#
# A retry is never silent: with BEDITOR_WINE_RETRY_LOG set, a line naming the program is
# appended to that file (run_windows_tests.sh reports them after the run).
# BEDITOR_WINE_FAST_EXIT_MS changes what counts as within milliseconds (50), for the test of
# this script on a busy machine.
set -uo pipefail
if [ -z "${WINEPREFIX:-}" ]; then
  dir=$PWD
  while [ "$dir" != / ] && [ ! -f "$dir/CMakeCache.txt" ]; do dir=$(dirname "$dir"); done
  [ -f "$dir/CMakeCache.txt" ] || dir=$PWD
  export WINEPREFIX="${BEDITOR_WINEPREFIX:-$dir/wine-prefix}"
fi
export WINEDEBUG=-all
wine=$(command -v wine || command -v wine64 || echo /usr/lib/wine/wine64)
out=$(mktemp) err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
start=$(date +%s%N)
"$wine" "$@" >"$out" 2>"$err"
code=$?
elapsed_ms=$((($(date +%s%N) - start) / 1000000))
cat "$out"
cat "$err" >&2
if [ "$code" -ne 0 ] && [ "$elapsed_ms" -lt "${BEDITOR_WINE_FAST_EXIT_MS:-50}" ] && [ ! -s "$out" ] && [ ! -s "$err" ]; then
  note="Wine ended '$*' with exit code $code after $elapsed_ms ms and no output, before it ran; started it again"
  echo "wine_run.sh: $note" >&2
  if [ -n "${BEDITOR_WINE_RETRY_LOG:-}" ]; then echo "$note" >>"$BEDITOR_WINE_RETRY_LOG"; fi
  rm -f "$out" "$err"
  trap - EXIT
  exec "$wine" "$@"
fi
exit "$code"
