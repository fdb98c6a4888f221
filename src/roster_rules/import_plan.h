#pragma once
// What an import would do, found before anything is written: every row checked against the
// file it names, each refused cell reported as a typed refusal. The rows come typed: from a
// CSV file (import_csv.h) or from the roster window's edited rows.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/fighter_layout.h"
#include "roster_rules/refusal.h"
#include "roster_rules/roster_context.h"
#include "roster_rules/roster_files.h"

namespace beditor::roster {

// One row of an import: a file and the cells it gives.
struct ImportRow {
  int row = 0;       // the caller's number of the row, which its refusals and plan carry
  std::string file;  // the file cell, "LW/Name.txt"; empty creates a fighter
  // By layout row, UTF-8: the cell as typed. Nothing keeps the file's own line (a new
  // fighter's field stays as a fresh record has it).
  std::array<std::optional<std::string>, record::kFields.size()> cells;
  // By layout row: the stored line itself, where the row has it (a roster update's field, with
  // its cell beside it). Taken byte for byte: a field whose line differs from the file's is
  // changed, even to the same cell ("07" for "7").
  std::array<std::optional<std::string>, record::kFields.size()> lines;
};

struct FieldChange {
  const record::FieldLayout* field;
  std::string before;  // the cell as export writes it
  std::string after;   // the cell as imported
};

// A row that writes a file.
struct RowPlan {
  enum class Action { Change, Move, Create };
  int row = 0;  // the ImportRow's
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
  std::vector<Refusal> refusals;  // in row order
};

// Checks the rows against the roster. Throws UnreadableFolderError.
ImportPlan PlanImport(const RosterContext& context, const std::vector<ImportRow>& rows);

}  // namespace beditor::roster
