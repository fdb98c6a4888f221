#pragma once
// One cell of a roster row, typed by the user, as the import takes it: the line it writes or
// the import's message for refusing it. The import and the roster window's edits share it.
#include <optional>
#include <string>
#include <string_view>

#include "core/fighter_layout.h"
#include "roster/choice_lists.h"

namespace beditor::roster {

// The Windows-1252 line the cell stands for, or nothing with `refusal` set to the import's
// message, the column first: "punches: \"25\" is not an integer from 1 to 20".
std::optional<std::string> LineForCell(const record::FieldLayout& field, std::string_view cell,
                                       const ChoiceLists& lists, record::Game game, std::string* refusal);

// The refusal of a category cell whose stored number selects no category folder of the game.
std::string NoCategoryFolder(std::string_view cell, record::Game game);

// The category folder of a stored category line, when the game has one for it.
std::optional<std::string> FolderOfCategoryLine(std::string_view line, record::Game game);

}  // namespace beditor::roster
