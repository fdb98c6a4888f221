#!/usr/bin/env bash
# Our own texts' translations (resources/translations/beditor_<language>.ts), kept with Qt's
# tools. The sources whose tr() texts they hold are listed here once.
#   bash scripts/translations.sh           checks: every text of the code is in every file,
#                                          translated and finished (a test runs this)
#   bash scripts/translations.sh --update  adds the code's new texts to every file, for a
#                                          translator to finish (Qt Linguist, or by hand)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
tools=/usr/lib/qt6/bin
lupdate=$(command -v lupdate || echo "$tools/lupdate")
lrelease=$(command -v lrelease || echo "$tools/lrelease")
[ -x "$lupdate" ] || { echo "lupdate is missing: install qt6-l10n-tools" >&2; exit 1; }
sources=(src/roster_window src/editor/editor_window.h src/editor/editor_window_commands.cpp src/desktop)

cd "$root"
if [ "${1:-}" = --update ]; then
  "$lupdate" -I src -no-obsolete -locations none "${sources[@]}" -ts resources/translations/*.ts
  exit 0
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for ts in resources/translations/*.ts; do
  copy="$work/$(basename "$ts")"
  cp "$ts" "$copy"
  # The code's texts merged into a copy: a text the file lacks arrives unfinished, one the
  # code no longer has is dropped.
  "$lupdate" -silent -I src -no-obsolete -locations none "${sources[@]}" -ts "$copy"
  report=$("$lrelease" "$copy" -qm "$work/out.qm" 2>&1)
  if ! grep -q " finished and 0 unfinished)" <<<"$report" || grep -q "untranslated" <<<"$report"; then
    echo "$ts: not every text is translated and finished: $report" >&2
    status=1
  fi
  if ! cmp -s <(grep -c "<message" "$ts") <(grep -c "<message" "$copy"); then
    echo "$ts: the code's texts and the file's differ; run: bash scripts/translations.sh --update" >&2
    status=1
  fi
done
[ "$status" = 0 ] && echo "translations complete: $(ls resources/translations/*.ts | xargs -n1 basename | tr '\n' ' ')"
exit "$status"
