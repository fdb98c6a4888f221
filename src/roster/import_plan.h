#pragma once
// What an import of a roster CSV file would do, found before anything is written: every row
// checked against the file it names, each refused cell reported.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/fighter_layout.h"
#include "roster/roster_context.h"
#include "roster/roster_files.h"

namespace beditor::roster {

struct FieldChange {
  const record::FieldLayout* field;
  std::string before;  // the cell as export writes it
  std::string after;   // the cell as imported
};

// A row that writes a file.
struct RowPlan {
  enum class Action { Change, Move, Create };
  int row = 0;  // the CSV row, from 1 (the header)
  Action action = Action::Change;
  FighterFile source;  // the file the row names; for Create, the new file
  FighterFile target;  // where the result goes: the source, another folder, or the new file
  std::vector<FieldChange> changes;
  std::string bytes;  // the target's new contents
  std::string team;   // the team after the import, UTF-8; empty for none
};

struct ImportPlan {
  std::vector<RowPlan> rows;  // in row order
  int unchanged = 0;          // the rows that change nothing
  std::vector<std::string> refusals;  // "FILE:ROW:COLUMN: message", in row order
};

// Checks the CSV bytes against the roster. Throws UnreadableFolderError.
ImportPlan PlanImport(const RosterContext& context, std::string_view csvBytes, std::string_view csvName);

}  // namespace beditor::roster
