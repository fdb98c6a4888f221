#include "roster_tool/import_command.h"

#include "core/file_access.h"
#include "core/file_errors.h"
#include "core/path_utf8.h"
#include "roster_tool/import_csv.h"
#include "roster_tool/import_workbook.h"
#include "roster_workbook/workbook_reader.h"
#include "roster_rules/import_plan.h"
#include "roster_rules/import_write.h"
#include "roster_rules/quoted_text.h"
#include "roster_tool/plan_output.h"

namespace beditor::roster {

int RunImport(const RosterContext& context, const ImportOptions& options) {
  const std::filesystem::path path = PathFromUtf8(options.csvFile);
  std::error_code sizeError;
  // A workbook far larger than a roster's is refused unread.
  if (IsWorkbookFile(options.csvFile, {}) && std::filesystem::file_size(path, sizeError) > kLargestWorkbookFile &&
      !sizeError) {
    context.err << options.csvFile << ": the file is larger than " << kLargestWorkbookFile / (1024 * 1024)
                << " MB, far more than a roster\nimport refused (1 problem): nothing was written\n";
    return kExitProblems;
  }
  std::string bytes;
  try {
    // A spreadsheet keeps the file it saved open, for writing: the import reads it anyway.
    bytes = ReadWholeFile(path, ReadSharing::OthersMayReadAndWrite);
  } catch (const BEditorError& error) {
    context.err << "error: " << error.what() << '\n';
    return kExitProblems;
  }
  ImportWorkbook workbook;
  ImportCsv csv;
  if (IsWorkbookFile(options.csvFile, bytes)) {
    workbook = ReadImportWorkbook(bytes, options.csvFile);
    csv = std::move(workbook.table);
  } else {
    csv = ReadImportCsv(bytes, options.csvFile);
  }
  if (!csv.ignoredColumns.empty()) {
    // Said every time: a column the player meant as the roster's would otherwise pass unseen.
    context.err << "note: not imported, no column of the roster:";
    for (const std::string& column : csv.ignoredColumns) context.err << ' ' << Quoted(column);
    context.err << '\n';
  }
  std::vector<std::string> refusals = csv.refusals;
  ImportPlan plan;
  if (refusals.empty()) {
    plan = PlanImport(context, csv.rows);
    for (const Refusal& refusal : plan.refusals) refusals.push_back(CsvRefusalLine(csv, refusal));
  }
  if (!refusals.empty()) {
    for (const std::string& refusal : refusals) context.err << refusal << '\n';
    context.err << "import refused (" << refusals.size() << (refusals.size() == 1 ? " problem" : " problems")
                << "): nothing was written\n";
    return kExitProblems;
  }
  // The values of formulas are taken as the sheet shows them: said, so that none passes unseen.
  for (const std::string& formula : workbook.formulas) context.out << formula << '\n';
  if (options.dryRun) {
    PrintDryRun(context, plan);
    return kExitDone;
  }
  return ApplyImport(context, plan);
}

}  // namespace beditor::roster
