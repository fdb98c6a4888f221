#pragma once
// One cell of a roster row, typed by the user, as the import takes it: the line it writes, no
// edit at all, or why it is refused. The import's plan and the roster window's edits share it.
#include <optional>
#include <string>
#include <string_view>

#include "core/fighter_layout.h"
#include "roster_rules/choice_lists.h"
#include "roster_rules/fighter_view.h"
#include "roster_rules/refusal.h"

namespace beditor::roster {

// The Windows-1252 line a cell stands for, or nothing with `refusal` set (its field and kind;
// the row is the caller's).
std::optional<std::string> CellToLine(const record::FieldLayout& field, std::string_view cell,
                                      const ChoiceLists& lists, record::Game game, Refusal* refusal);

// What a typed cell does to the fighter as it is loaded.
struct CellEdit {
  std::optional<std::string> line;  // the field's new line; nothing for no edit, or a refusal
  std::optional<Refusal> refusal;
};
// The cell export writes for the fighter is no edit, whatever it holds, and so is a cell that
// stands for the line the file has already; any other cell is the line it stands for, or
// refused. A category needs a folder of the game.
CellEdit EditOfCell(const FighterView& fighter, const ChoiceLists& lists, record::Game game, std::size_t fieldRow,
                    std::string_view cell);

// The category folder of a stored category line, when the game has one for it.
std::optional<std::string> FolderOfCategoryLine(std::string_view line, record::Game game);

// The refusal of a category cell whose stored number selects no category folder of the game.
Refusal NoCategoryFolder(std::string_view cell, record::Game game);

}  // namespace beditor::roster
