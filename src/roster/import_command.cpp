#include "roster/import_command.h"

#include <set>

#include "core/file_access.h"
#include "core/file_errors.h"
#include "core/path_utf8.h"
#include "core/team_file.h"
#include "roster/import_csv.h"
#include "roster/import_plan.h"
#include "roster/progress_line.h"

namespace beditor::roster {
namespace {

using Action = RowPlan::Action;

struct Counts {
  int changed = 0, moved = 0, created = 0, unchanged = 0, teamFiles = 0;
  int copied = 0;  // moves whose old file could not be removed
};

std::string Summary(const Counts& counts) {
  std::string text = std::to_string(counts.changed) + " changed, " + std::to_string(counts.moved) + " moved, " +
                     std::to_string(counts.created) + " created, " + std::to_string(counts.unchanged) + " unchanged";
  if (counts.teamFiles > 0)
    text += "; " + std::to_string(counts.teamFiles) + (counts.teamFiles == 1 ? " team file" : " team files") + " created";
  if (counts.copied > 0) text += "; " + std::to_string(counts.copied) + " copied, their old files not removed";
  return text;
}

void Count(Counts& counts, Action action) {
  switch (action) {
    case Action::Change: ++counts.changed; break;
    case Action::Move: ++counts.moved; break;
    case Action::Create: ++counts.created; break;
  }
}

// The team files the import makes, by the editor's rule, each once and before its fighter is
// written.
class TeamFiles {
 public:
  explicit TeamFiles(const RosterContext& context) : programFolder_(context.folder) {}

  // The team's file to make, when it needs one.
  std::optional<std::filesystem::path> Needed(const std::string& team) {
    if (made_.count(team)) return std::nullopt;
    auto path = MissingTeamFile(programFolder_, team);
    if (path) made_.insert(team);
    return path;
  }

 private:
  std::filesystem::path programFolder_;
  std::set<std::string> made_;
};

void PrintDryRun(const RosterContext& context, const ImportPlan& plan) {
  TeamFiles teams(context);
  Counts counts;
  counts.unchanged = plan.unchanged;
  for (const RowPlan& row : plan.rows) {
    Count(counts, row.action);
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

}  // namespace

int ApplyImport(const RosterContext& context, const ImportPlan& plan) {
  TeamFiles teams(context);
  Counts counts;
  counts.unchanged = plan.unchanged;
  int written = 0;
  ProgressLine progress(context.err, context.showProgress, "import", plan.rows.size());
  for (std::size_t i = 0; i < plan.rows.size(); ++i) {
    const RowPlan& row = plan.rows[i];
    progress.Done(i);
    std::string writing;
    try {
      if (const auto teamFile = teams.Needed(row.team)) {
        writing = "Team/" + row.team + ".txt";
        WriteNewTeamFile(*teamFile);
        ++counts.teamFiles;
        ++written;
        progress.Clear();
        context.out << "created " << writing << '\n';
      }
      writing = row.target.Display();
      // A move writes the new file first, then removes the old one, as the editor's save.
      ReplaceFileContents(PathOf(context, row.target), row.bytes);
      ++written;
    } catch (const BEditorError& error) {
      progress.Clear();
      context.out.flush();
      context.err << "error: import stopped at row " << row.row << ", writing " << writing << ": " << error.what()
                  << "\n"
                  << writing << " is untouched; " << written << (written == 1 ? " file was" : " files were")
                  << " written whole before it (listed above); rows after it were not imported\n";
      return kExitProblems;
    }
    if (row.action == Action::Move) {
      try {
        RemoveFileOrThrow(PathOf(context, row.source));
      } catch (const FileRemoveError& error) {
        // The new file is whole and stays; the user is told where the fighter now is twice.
        progress.Clear();
        ++counts.copied;
        context.out << "copied " << row.source.Display() << " to " << row.target.Display() << '\n';
        context.out.flush();
        context.err << "error: row " << row.row << ": " << row.source.Display()
                    << " was not removed after it was written to " << row.target.Display()
                    << ", so the fighter is in both folders: " << error.what() << '\n';
        continue;
      }
    }
    progress.Clear();
    Count(counts, row.action);
    switch (row.action) {
      case Action::Change: context.out << "changed " << row.target.Display() << '\n'; break;
      case Action::Move:
        context.out << "moved " << row.source.Display() << " to " << row.target.Display() << '\n';
        break;
      case Action::Create: context.out << "created " << row.target.Display() << '\n'; break;
    }
  }
  progress.Clear();
  context.out << Summary(counts) << '\n';
  return counts.copied > 0 ? kExitProblems : kExitDone;
}

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
