#include "roster_tool/export_workbook.h"

#include "core/file_access.h"
#include "core/path_utf8.h"
#include "roster_rules/choice_lists.h"
#include "roster_rules/export_target.h"
#include "roster_rules/fighter_view.h"
#include "roster_rules/roster_columns.h"
#include "roster_rules/roster_files.h"
#include "roster_tool/exported_fighters.h"
#include "roster_workbook/workbook_writer.h"

namespace beditor::roster {

bool ExportsWorkbook(const ExportOptions& options) {
  if (!options.format.empty()) return options.format == "xlsx";
  return EndsInAnyCase(PathFromUtf8(options.outputFile).native(), ".xlsx");
}

int RunWorkbookExport(const RosterContext& context, const ExportOptions& options) {
  if (!options.outputFile.empty()) CheckExportTarget(context.folder, PathFromUtf8(options.outputFile));
  const ChoiceLists lists = ChoiceLists::Read(context);
  const RosterFiles roster = ListRoster(context);
  ReportUnlisted(roster, context.err);
  RosterWorkbookWriter workbook;

  // The files are read ahead on a thread of their own: the workbook's rows cost about as much
  // to write as the files to read.
  const int unreadable = ForEachExportedRowReadAhead(context, roster, lists, [&](const ExportedRow& row) {
    try {
      workbook.Cell(row.file->cell);
      for (const std::string_view cell : row.cells) workbook.Cell(cell);
    } catch (const WorkbookWriteError& error) {
      throw WorkbookWriteError(row.file->Display() + ": " + error.what());
    }
    if (row.ratings) {
      for (int value : *row.ratings) workbook.Cell(value);
    } else {
      workbook.EmptyCells(kRatingColumns.size());
    }
    workbook.EndRow();
  });
  const std::string bytes = workbook.Finish();
  if (options.outputFile.empty()) {
    context.out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    context.out.flush();
    if (!context.out) throw BEditorError("cannot write standard output");
  } else {
    try {
      // As the CSV: a failure leaves the former file as it was.
      ReplaceFileContents(PathFromUtf8(options.outputFile), bytes);
    } catch (const BEditorError& error) {
      throw BEditorError(options.outputFile + ": " + error.what());
    }
  }
  return unreadable > 0 || !roster.unlisted.empty() ? kExitProblems : kExitDone;
}

}  // namespace beditor::roster
