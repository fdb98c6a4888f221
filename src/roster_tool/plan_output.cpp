#include "roster_tool/plan_output.h"

namespace beditor::roster {

using Action = RowPlan::Action;

std::string PlanSummary(const ImportCounts& counts) {
  std::string text = std::to_string(counts.changed) + " changed, " + std::to_string(counts.moved) + " moved, " +
                     std::to_string(counts.created) + " created, " + std::to_string(counts.unchanged) + " unchanged";
  if (counts.teamFiles > 0)
    text += "; " + std::to_string(counts.teamFiles) + (counts.teamFiles == 1 ? " team file" : " team files") + " created";
  if (counts.copied > 0) text += "; " + std::to_string(counts.copied) + " copied, their old files not removed";
  return text;
}

void PrintDryRun(const RosterContext& context, const ImportPlan& plan, const std::vector<std::string>& copiedTeams) {
  TeamFilesToMake teams(context.folder);
  ImportCounts counts;
  for (const std::string& team : copiedTeams) {
    context.out << "Team/" << team << ".txt: would be copied from the update\n";
    ++counts.teamFiles;
    teams.Needed(team);  // there by the time its fighters are written
  }
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
  context.out << "dry run, nothing written: " << PlanSummary(counts) << '\n';
}

PrintedReport::PrintedReport(const RosterContext& context, std::size_t rows, std::string command, std::string done)
    : context_(context),
      command_(std::move(command)),
      done_(std::move(done)),
      progress_(context.err, context.showProgress, command_, rows) {}

void PrintedReport::Next(std::size_t index) { progress_.Done(index); }

void PrintedReport::TeamFileCreated(const std::string& team) {
  progress_.Clear();
  context_.out << "created Team/" << team << ".txt\n";
}

void PrintedReport::Written(const RowPlan& row) {
  progress_.Clear();
  switch (row.action) {
    case RowPlan::Action::Change: context_.out << "changed " << row.target.Display() << '\n'; break;
    case RowPlan::Action::Move:
      context_.out << "moved " << row.source.Display() << " to " << row.target.Display() << '\n';
      break;
    case RowPlan::Action::Create: context_.out << "created " << row.target.Display() << '\n'; break;
  }
}

// "row 5: " for an import, whose rows are the CSV's; nothing for a merge, which has none.
std::string PrintedReport::RowWords(const RowPlan& row) const {
  return command_ == "import" ? "row " + std::to_string(row.row) + ": " : std::string();
}

void PrintedReport::OldFileKept(const RowPlan& row, const std::string& reason) {
  progress_.Clear();
  context_.out << "copied " << row.source.Display() << " to " << row.target.Display() << '\n';
  context_.out.flush();
  context_.err << "error: " << RowWords(row) << row.source.Display()
               << " was not removed after it was written to " << row.target.Display()
               << ", so the fighter is in both folders: " << reason << '\n';
}

void PrintedReport::Stopped(const RowPlan& row, const std::string& file, const std::string& reason, int written) {
  progress_.Clear();
  context_.out.flush();
  const std::string at = RowWords(row);
  context_.err << "error: " << command_ << " stopped " << (at.empty() ? "" : "at " + at.substr(0, at.size() - 2) + ", ")
               << "writing " << file << ": " << reason << "\n"
               << file << " is untouched; " << written << (written == 1 ? " file was" : " files were")
               << " written whole before it (listed above); " << (at.empty() ? "the fighters" : "rows")
               << " after it were not " << done_ << "\n";
}

int PrintedReport::Finished(const ImportWriteResult& result) {
  if (result.stopped) return kExitProblems;
  progress_.Clear();
  context_.out << PlanSummary(result.counts) << '\n';
  return result.Complete() ? kExitDone : kExitProblems;
}

// Writes the plan, saying what it wrote on standard output; stops at the first failure and
// says on standard error what was written before it (exit code 1).
int ApplyImport(const RosterContext& context, const ImportPlan& plan) {
  PrintedReport report(context, plan.rows.size());
  return report.Finished(WriteImport(context, plan, report));
}

}  // namespace beditor::roster
