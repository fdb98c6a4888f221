#pragma once
// The fighters `export` writes, read one by one in the roster's order, whatever the file's
// format: each readable one is handed over with its cells; an unreadable one is named on
// standard error and left out.
#include <array>
#include <functional>
#include <optional>
#include <string_view>

#include "roster_rules/choice_lists.h"
#include "roster_rules/fighter_view.h"
#include "roster_rules/roster_context.h"
#include "roster_rules/roster_files.h"

namespace beditor::roster {

// Calls `each` for every readable file of the roster, with its fighter and its export cells
// (valid during the call), a progress line on a terminal between them. The count of files
// left out.
int ForEachExportedFighter(
    const RosterContext& context, const RosterFiles& roster, const ChoiceLists& lists,
    const std::function<void(const FighterFile& file, const FighterView& fighter, const FieldCellViews& cells)>& each);

// A readable fighter's row as export writes it: its file, its field cells and its ratings
// (none when they cannot be worked out).
struct ExportedRow {
  const FighterFile* file = nullptr;
  FieldCellViews cells;
  std::optional<std::array<int, 6>> ratings;
};

// The same rows, read on a thread of their own a few hundred ahead of `each`, which runs on
// the caller's: for a format whose writing costs as much as the reading (a workbook), the two
// overlap. An exception from either side stops both and is thrown here. The count of files
// left out.
int ForEachExportedRowReadAhead(const RosterContext& context, const RosterFiles& roster, const ChoiceLists& lists,
                                const std::function<void(const ExportedRow& row)>& each);

}  // namespace beditor::roster
