#include "roster_rules/import_write.h"

#include "core/file_access.h"
#include "core/file_errors.h"
#include "core/save_rules.h"
#include "core/team_file.h"

namespace beditor::roster {

void ImportCounts::Count(RowPlan::Action action) {
  switch (action) {
    case RowPlan::Action::Change: ++changed; break;
    case RowPlan::Action::Move: ++moved; break;
    case RowPlan::Action::Create: ++created; break;
  }
}

std::optional<std::filesystem::path> TeamFilesToMake::Needed(const std::string& team) {
  if (made_.count(team)) return std::nullopt;
  auto path = MissingTeamFile(programFolder_, team);
  if (path) made_.insert(team);
  return path;
}

ImportWriteResult WriteImport(const RosterContext& context, const ImportPlan& plan, ImportWriteReport& report) {
  TeamFilesToMake teams(context.folder);
  ImportWriteResult result;
  result.counts.unchanged = plan.unchanged;
  int written = 0;
  for (std::size_t i = 0; i < plan.rows.size(); ++i) {
    const RowPlan& row = plan.rows[i];
    report.Next(i);
    std::string writing;
    try {
      if (const auto teamFile = teams.Needed(row.team)) {
        writing = "Team/" + row.team + ".txt";
        WriteNewTeamFile(*teamFile);
        ++result.counts.teamFiles;
        ++written;
        report.TeamFileCreated(row.team);
      }
      writing = row.target.Display();
      // A category folder that is missing (zip tools drop empty ones) is made, as an empty
      // category is no error.
      const auto target = PathOf(context, row.target);
      if (!row.target.cell.empty()) {
        std::error_code error;
        std::filesystem::create_directory(target.parent_path(), error);
      }
      // A move writes the new file first, then removes the old one, as the editor's save.
      ReplaceFileContents(target, row.bytes);
      ++written;
    } catch (const BEditorError& error) {
      result.stopped = true;
      report.Stopped(row, writing, error.what(), written);
      return result;
    }
    if (row.action == RowPlan::Action::Move) {
      try {
        record::RemoveFormerFile(PathOf(context, row.source));
      } catch (const FileRemoveError& error) {
        // The new file is whole and stays; the user is told where the fighter now is twice.
        ++result.counts.copied;
        report.OldFileKept(row, error.what());
        continue;
      }
    }
    result.counts.Count(row.action);
    report.Written(row);
  }
  return result;
}

}  // namespace beditor::roster
