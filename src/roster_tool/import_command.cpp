#include "roster_tool/import_command.h"

#include "core/file_access.h"
#include "core/file_errors.h"
#include "core/path_utf8.h"
#include "roster_tool/import_csv.h"
#include "roster_rules/import_plan.h"
#include "roster_rules/import_write.h"
#include "roster_tool/plan_output.h"

namespace beditor::roster {

int RunImport(const RosterContext& context, const ImportOptions& options) {
  std::string bytes;
  try {
    // A spreadsheet keeps the file it saved open, for writing: the import reads it anyway.
    bytes = ReadWholeFile(PathFromUtf8(options.csvFile), ReadSharing::OthersMayReadAndWrite);
  } catch (const BEditorError& error) {
    context.err << "error: " << error.what() << '\n';
    return kExitProblems;
  }
  const ImportCsv csv = ReadImportCsv(bytes, options.csvFile);
  std::vector<std::string> refusals = csv.refusals;
  ImportPlan plan;
  if (refusals.empty()) {
    plan = PlanImport(context, csv.rows);
    for (const Refusal& refusal : plan.refusals) refusals.push_back(CsvRefusalLine(csv, options.csvFile, refusal));
  }
  if (!refusals.empty()) {
    for (const std::string& refusal : refusals) context.err << refusal << '\n';
    context.err << "import refused (" << refusals.size() << (refusals.size() == 1 ? " problem" : " problems")
                << "): nothing was written\n";
    return kExitProblems;
  }
  if (options.dryRun) {
    PrintDryRun(context, plan);
    return kExitDone;
  }
  return ApplyImport(context, plan);
}

}  // namespace beditor::roster
