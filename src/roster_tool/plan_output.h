#pragma once
// A plan of writes to fighter files in the tool's words, shared by `import` and `merge`: the
// dry run's lines, what the write step did as it did it, and the summary line.
#include <string>
#include <vector>

#include "roster_rules/import_plan.h"
#include "roster_rules/import_write.h"
#include "roster_rules/roster_context.h"
#include "roster_tool/progress_line.h"

namespace beditor::roster {

// "1 changed, 1 moved, 0 created, 3 unchanged", and the team files.
std::string PlanSummary(const ImportCounts& counts);

// Each change the plan would make, then "dry run, nothing written: <summary>". The teams of
// `copiedTeams` get their files from elsewhere before any fighter is written.
void PrintDryRun(const RosterContext& context, const ImportPlan& plan,
                 const std::vector<std::string>& copiedTeams = {});

// The write step in the tool's words: what was written on standard output, failures on
// standard error, a progress line between them on a terminal.
class PrintedReport : public ImportWriteReport {
 public:
  // `command` and `done` name the command and its past tense, in the progress line and the
  // message of a write that stopped.
  PrintedReport(const RosterContext& context, std::size_t rows, std::string command = "import",
                std::string done = "imported");

  void Next(std::size_t index) override;
  void TeamFileCreated(const std::string& team) override;
  void Written(const RowPlan& row) override;
  void OldFileKept(const RowPlan& row, const std::string& reason) override;
  void Stopped(const RowPlan& row, const std::string& file, const std::string& reason, int written) override;
  // Prints the summary of a write that did not stop; the exit code.
  int Finished(const ImportWriteResult& result);

 private:
  std::string RowWords(const RowPlan& row) const;

  const RosterContext& context_;
  std::string command_;
  std::string done_;
  ProgressLine progress_;
};

// Writes the plan, saying what it wrote on standard output; stops at the first failure and
// says on standard error what was written before it (exit code 1).
int ApplyImport(const RosterContext& context, const ImportPlan& plan);

}  // namespace beditor::roster
