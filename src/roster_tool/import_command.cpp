#include "roster_tool/import_command.h"

#include "core/file_access.h"
#include "core/file_errors.h"
#include "core/path_utf8.h"
#include "roster_tool/import_csv.h"
#include "roster_tool/import_workbook.h"
#include "roster_workbook/workbook_reader.h"
#include "roster_rules/import_plan.h"
#include "roster_rules/import_write.h"
#include "roster_tool/progress_line.h"

namespace beditor::roster {
namespace {

using Action = RowPlan::Action;

std::string Summary(const ImportCounts& counts) {
  std::string text = std::to_string(counts.changed) + " changed, " + std::to_string(counts.moved) + " moved, " +
                     std::to_string(counts.created) + " created, " + std::to_string(counts.unchanged) + " unchanged";
  if (counts.teamFiles > 0)
    text += "; " + std::to_string(counts.teamFiles) + (counts.teamFiles == 1 ? " team file" : " team files") + " created";
  if (counts.copied > 0) text += "; " + std::to_string(counts.copied) + " copied, their old files not removed";
  return text;
}

void PrintDryRun(const RosterContext& context, const ImportPlan& plan) {
  TeamFilesToMake teams(context.folder);
  ImportCounts counts;
  counts.unchanged = plan.unchanged;
  for (const RowPlan& row : plan.rows) {
    counts.Count(row.action);
    const std::string name = row.source.Display();
    if (row.action == Action::Create) context.out << name << ": would be created\n";
    for (const FieldChange& change : row.changes) {
      context.out << name << ": line " << change.field->line + 1 << " (" << change.field->title << "): \""
                  << change.before << "\" -> \"" << change.after << "\"\n";
    }
    if (row.action == Action::Move) context.out << name << ": would move to " << row.target.Display() << '\n';
    if (teams.Needed(row.team)) {
      ++counts.teamFiles;
      context.out << "Team/" << row.team << ".txt: would be created\n";
    }
  }
  context.out << "dry run, nothing written: " << Summary(counts) << '\n';
}

// The write step in the tool's words: what was written on standard output, failures on
// standard error, a progress line between them on a terminal.
class PrintedReport : public ImportWriteReport {
 public:
  PrintedReport(const RosterContext& context, std::size_t rows)
      : context_(context), progress_(context.err, context.showProgress, "import", rows) {}

  void Next(std::size_t index) override { progress_.Done(index); }
  void TeamFileCreated(const std::string& team) override {
    progress_.Clear();
    context_.out << "created Team/" << team << ".txt\n";
  }
  void Written(const RowPlan& row) override {
    progress_.Clear();
    switch (row.action) {
      case Action::Change: context_.out << "changed " << row.target.Display() << '\n'; break;
      case Action::Move:
        context_.out << "moved " << row.source.Display() << " to " << row.target.Display() << '\n';
        break;
      case Action::Create: context_.out << "created " << row.target.Display() << '\n'; break;
    }
  }
  void OldFileKept(const RowPlan& row, const std::string& reason) override {
    progress_.Clear();
    context_.out << "copied " << row.source.Display() << " to " << row.target.Display() << '\n';
    context_.out.flush();
    context_.err << "error: row " << row.row << ": " << row.source.Display()
                 << " was not removed after it was written to " << row.target.Display()
                 << ", so the fighter is in both folders: " << reason << '\n';
  }
  void Stopped(const RowPlan& row, const std::string& file, const std::string& reason, int written) override {
    progress_.Clear();
    context_.out.flush();
    context_.err << "error: import stopped at row " << row.row << ", writing " << file << ": " << reason << "\n"
                 << file << " is untouched; " << written << (written == 1 ? " file was" : " files were")
                 << " written whole before it (listed above); rows after it were not imported\n";
  }
  void Finished(const ImportCounts& counts) {
    progress_.Clear();
    context_.out << Summary(counts) << '\n';
  }

 private:
  const RosterContext& context_;
  ProgressLine progress_;
};

// Writes the plan, saying what it wrote on standard output; stops at the first failure and
// says on standard error what was written before it (exit code 1).
int ApplyImport(const RosterContext& context, const ImportPlan& plan) {
  PrintedReport report(context, plan.rows.size());
  const ImportWriteResult result = WriteImport(context, plan, report);
  if (result.stopped) return kExitProblems;
  report.Finished(result.counts);
  return result.Complete() ? kExitDone : kExitProblems;
}

}  // namespace

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
