#include "roster/cell_edit.h"

#include "core/fighter_record.h"
#include "core/number_text.h"
#include "roster/fighter_view.h"
#include "roster/quoted_text.h"

namespace beditor::roster {

std::optional<std::string> LineForCell(const record::FieldLayout& field, std::string_view cell,
                                       const ChoiceLists& lists, record::Game game, std::string* refusal) {
  std::string reason;
  auto line = CellToLine(field, cell, lists, game, &reason);
  if (!line) *refusal = std::string(field.column) + ": " + reason;
  return line;
}

std::string NoCategoryFolder(std::string_view cell, record::Game game) {
  return std::string("category: ") + Quoted(cell) + " has no category folder in " +
         (game == record::Game::JEX ? "JEX" : "TAV") + " mode";
}

std::optional<std::string> FolderOfCategoryLine(std::string_view line, record::Game game) {
  const auto number = TryParseInteger(line);
  if (!number) return std::nullopt;
  const auto position = record::ChoicePosition(record::Field::Category, *number);
  if (const auto folder = record::CategoryFolder(game, position)) return std::string(*folder);
  return std::nullopt;
}

}  // namespace beditor::roster
