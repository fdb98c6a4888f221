#include "roster/export_command.h"

#include "core/csv.h"
#include "core/number_text.h"
#include "roster/choice_lists.h"
#include "roster/csv_output.h"
#include "roster/fighter_view.h"
#include "roster/progress_line.h"
#include "roster/roster_columns.h"
#include "roster/roster_files.h"

namespace beditor::roster {

int RunExport(const RosterContext& context, const ExportOptions& options) {
  const ChoiceLists lists = ChoiceLists::Read(context);
  const auto files = ListRoster(context);
  CsvOutput output(context, options.outputFile);
  std::ostream& out = output.Stream();
  out << kUtf8ByteOrderMark << WriteCsvRecord(ExportHeader(), options.separator);

  // Row by row: the roster is never held whole.
  ProgressLine progress(context.err, context.showProgress, "export", files.size());
  int unreadable = 0;
  std::vector<std::string> row;
  for (std::size_t i = 0; i < files.size(); ++i) {
    progress.Done(i);
    FighterView fighter;
    try {
      fighter = ReadFighter(files[i].path);
    } catch (const BEditorError& error) {
      progress.Clear();
      context.err << files[i].Display() << ":1: error: not exported: " << error.what() << '\n';
      ++unreadable;
      continue;
    }
    row.clear();
    row.push_back(files[i].cell);
    for (std::string& cell : ExportCells(fighter, lists)) row.push_back(std::move(cell));
    if (const auto ratings = RatingsOf(fighter)) {
      for (int value : RatingValues(*ratings)) row.push_back(FormatInteger(value));
    } else {
      row.resize(row.size() + kRatingColumns.size());
    }
    out << WriteCsvRecord(row, options.separator);
  }
  progress.Clear();
  output.Finish();
  return unreadable > 0 ? kExitProblems : kExitDone;
}

}  // namespace beditor::roster
