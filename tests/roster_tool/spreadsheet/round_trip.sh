#!/usr/bin/env bash
# The round trip through a real spreadsheet: export a roster whose texts a spreadsheet reads
# as numbers, let LibreOffice Calc open the CSV with its default import settings (in an
# English and a Spanish locale) and save it again as CSV, then import what it saved: nothing
# may change. Usage: round_trip.sh BEDITOR_ROSTER FIXTURE_FOLDER SOFFICE
set -euo pipefail
tool=$1 fixture=$2 soffice=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$fixture/program_folder" "$work/folder"
# Big Tom's common name, height and weight (lines 19, 22, 23): "007", "1e5", " 70".
fighter="$work/folder/Fighters/SHW/Big Tom.txt"
awk 'NR == 19 { $0 = "007\r" } NR == 22 { $0 = "1e5\r" } NR == 23 { $0 = " 70\r" } { print }' "$fighter" >"$work/edited"
mv "$work/edited" "$fighter"
"$tool" --folder "$work/folder" export -o "$work/roster.csv"

status=0
for language in 1033 3082; do
  rm -rf "$work/saved"
  # Calc's import dialog as it opens: comma, double quotes, UTF-8, from the first line, no
  # special numbers; its export: as shown.
  "$soffice" "-env:UserInstallation=file://$work/profile" --headless \
    --infilter="CSV:44,34,76,1,,$language,false,false" \
    --convert-to "csv:Text - txt - csv (StarCalc):44,34,76,1,,$language,false,true,true" \
    --outdir "$work/saved" "$work/roster.csv" >/dev/null 2>&1
  result=$("$tool" --folder "$work/folder" import "$work/saved/roster.csv" --dry-run 2>&1) || true
  expected="dry run, nothing written: 0 changed, 0 moved, 0 created, 12 unchanged"
  if [ "$result" != "$expected" ]; then
    echo "language $language: the spreadsheet's CSV changes the roster:"
    echo "$result"
    status=1
  fi
done
[ "$status" = 0 ] && echo "the roster came back unchanged through the spreadsheet"
exit "$status"
