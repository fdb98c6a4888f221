#pragma once
// The import's write step: a plan that refused nothing, written to the fighter files. Team
// files first, then each row's file by the atomic replace, a move removing its source after.
// What happens is told as it happens, as data: the tool words it in English, the window in
// the player's language.
#include <filesystem>
#include <optional>
#include <set>
#include <string>

#include "roster_rules/import_plan.h"
#include "roster_rules/roster_context.h"

namespace beditor::roster {

struct ImportCounts {
  int changed = 0, moved = 0, created = 0, unchanged = 0, teamFiles = 0;
  int copied = 0;  // moves whose old file could not be removed
  void Count(RowPlan::Action action);
};

// The team files an import makes, by the editor's rule, each once and before its fighter.
class TeamFilesToMake {
 public:
  explicit TeamFilesToMake(std::filesystem::path programFolder) : programFolder_(std::move(programFolder)) {}
  // The team's file to make, when it needs one (the first time it is asked for).
  std::optional<std::filesystem::path> Needed(const std::string& team);

 private:
  std::filesystem::path programFolder_;
  std::set<std::string> made_;
};

// Told of each step of the write, in order.
class ImportWriteReport {
 public:
  virtual ~ImportWriteReport() = default;
  // The plan's row `index` is next.
  virtual void Next(std::size_t /*index*/) {}
  virtual void TeamFileCreated(const std::string& /*team*/) {}
  // The row's file is written (and a move's old file removed).
  virtual void Written(const RowPlan& /*row*/) {}
  // A move's new file is written, but its old one could not be removed: the fighter is in
  // both folders. `reason` is the system's.
  virtual void OldFileKept(const RowPlan& /*row*/, const std::string& /*reason*/) {}
  // The write stopped at the row: `file` (as messages name it: the row's target, or the
  // team file made for it) is untouched, `written` files were written whole before it, and
  // the rows after it are not imported.
  virtual void Stopped(const RowPlan& /*row*/, const std::string& /*file*/, const std::string& /*reason*/,
                       int /*written*/) {}
};

struct ImportWriteResult {
  ImportCounts counts;
  bool stopped = false;
  // Every row written, each fighter in one place.
  bool Complete() const { return !stopped && counts.copied == 0; }
};

ImportWriteResult WriteImport(const RosterContext& context, const ImportPlan& plan, ImportWriteReport& report);

}  // namespace beditor::roster
