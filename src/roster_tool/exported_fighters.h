#pragma once
// The fighters `export` writes, read one by one in the roster's order, whatever the file's
// format: each readable one is handed over with its cells; an unreadable one is named on
// standard error and left out.
#include <functional>

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

}  // namespace beditor::roster
