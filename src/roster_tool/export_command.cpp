#include "roster_tool/export_command.h"

#include "core/csv.h"
#include "roster_rules/choice_lists.h"
#include "roster_tool/csv_output.h"
#include "roster_tool/export_workbook.h"
#include "roster_rules/fighter_view.h"
#include "roster_tool/formula_guard.h"
#include "roster_tool/exported_fighters.h"
#include "roster_rules/roster_columns.h"
#include "roster_rules/roster_files.h"

namespace beditor::roster {

int RunExport(const RosterContext& context, const ExportOptions& options) {
  if (ExportsWorkbook(options)) return RunWorkbookExport(context, options);
  const ChoiceLists lists = ChoiceLists::Read(context);
  const RosterFiles roster = ListRoster(context);
  ReportUnlisted(roster, context.err);
  CsvOutput output(context, options.outputFile);
  std::ostream& out = output.Stream();
  out << kUtf8ByteOrderMark << WriteCsvRecord(ExportHeader(), options.separator);

  // Row by row: the roster is never held whole.
  CsvRecordWriter writer(out, options.separator);
  // A folder of the user's own may begin with anything, as may any text of a traded file.
  const auto write = [&writer](std::string_view cell, bool guard) {
    if (guard)
      writer.Cell(std::string(1, kFormulaGuard).append(cell));
    else
      writer.Cell(cell);
  };
  const int unreadable = ForEachExportedFighter(
      context, roster, lists, [&](const FighterFile& file, const FighterView& fighter, const FieldCellViews& cells) {
        write(file.cell, NeedsTextGuard(file.cell));
        for (std::size_t field = 0; field < cells.size(); ++field) {
          // An ability is a number, and the spreadsheet may take it for one.
          const bool number = record::kFields[field].kind == record::FieldKind::Ability;
          write(cells[field], number ? NeedsFormulaGuard(cells[field]) : NeedsTextGuard(cells[field]));
        }
        if (const auto ratings = RatingsOf(fighter)) {
          for (int value : RatingValues(*ratings)) writer.Cell(value);
        } else {
          writer.EmptyCells(kRatingColumns.size());
        }
        writer.EndRecord();
      });
  writer.Flush();
  output.Finish();
  return unreadable > 0 || !roster.unlisted.empty() ? kExitProblems : kExitDone;
}

}  // namespace beditor::roster
