#!/usr/bin/env bash
# wine_run.sh's second start, with a stand-in for Wine on the PATH that answers as told:
# only a failure within milliseconds that printed nothing is Wine's and is started again,
# and each such start is logged; every other answer, its output and its exit code reach the
# caller as they are, from one start.
#   usage: wine_run_test.sh <path of wine_run.sh>
set -uo pipefail
wine_run=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/bin"
# A start of the stand-in counts as within milliseconds below 1.5 s, so that a busy machine
# does not make a fast answer slow; the slow one sleeps 2 s.
# The stand-in: FAKE_WINE_ANSWERS holds one answer per start, "<exit code>:<stdout>:<stderr>:<seconds>".
cat >"$work/bin/wine" <<'FAKE'
#!/usr/bin/env bash
starts=$(($(cat "$FAKE_WINE_STARTS" 2>/dev/null || echo 0) + 1))
echo "$starts" >"$FAKE_WINE_STARTS"
IFS=';' read -ra answers <<<"$FAKE_WINE_ANSWERS"
answer=${answers[$((starts - 1))]:-${answers[-1]}}
IFS=':' read -r code out err seconds <<<"$answer"
[ "$seconds" = 0 ] || sleep "$seconds"
[ -z "$out" ] || echo "$out"
[ -z "$err" ] || echo "$err" >&2
exit "$code"
FAKE
chmod +x "$work/bin/wine"

failures=0
# name | answers of the starts | starts expected | exit code | stdout | stderr contains | retries logged
while IFS='|' read -r name answers starts code stdout stderr logged; do
  rm -f "$work/starts" "$work/retries.log"
  PATH="$work/bin:$PATH" WINEPREFIX="$work/prefix" FAKE_WINE_STARTS="$work/starts" \
    FAKE_WINE_ANSWERS="$answers" BEDITOR_WINE_RETRY_LOG="$work/retries.log" BEDITOR_WINE_FAST_EXIT_MS=1500 \
    bash "$wine_run" program.exe --flag >"$work/out" 2>"$work/err"
  got_code=$?
  got_starts=$(cat "$work/starts")
  got_logged=$( (grep -c 'program.exe --flag' "$work/retries.log" 2>/dev/null) || true)
  check() {
    if [ "$2" != "$3" ]; then
      echo "FAIL $name: $1 is '$2', expected '$3'"
      failures=$((failures + 1))
    fi
  }
  check starts "$got_starts" "$starts"
  check "exit code" "$got_code" "$code"
  check stdout "$(cat "$work/out")" "$stdout"
  check "retries logged" "${got_logged:-0}" "$logged"
  if [ -n "$stderr" ] && ! grep -qF -- "$stderr" "$work/err"; then
    echo "FAIL $name: stderr lacks '$stderr':"; cat "$work/err"
    failures=$((failures + 1))
  fi
done <<'CASES'
a fast silent failure is Wine's: started again|1:::0;0:ran::0|2|0|ran|started it again|1
the second answer stands|1:::0;3:::0|2|3||started it again|1
a fast failure with an error message is the program's|2::bad argument:0;0:ran::0|1|2||bad argument|0
a fast failure with output is the program's|2:usage::0;0:ran::0|1|2|usage||0
a slow silent failure is the program's|1:::2;0:ran::0|1|1|||0
a success passes its output through|0:ok:note:0|1|0|ok|note|0
CASES
[ "$failures" -eq 0 ] && echo "wine_run.sh: every case passed"
exit $((failures > 0))
