#include "roster_rules/cell_edit.h"

#include "core/fighter_record.h"
#include "core/game_rules.h"
#include "core/number_text.h"
#include "core/windows_1252.h"

namespace beditor::roster {
namespace {

using record::FieldKind;
using record::FieldLayout;

// The first character of UTF-8 text that Windows-1252 lacks.
std::string_view FirstUnfitCharacter(std::string_view utf8) {
  for (std::size_t at = 0; at < utf8.size();) {
    const auto lead = static_cast<unsigned char>(utf8[at]);
    const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    const std::string_view character = utf8.substr(at, length);
    if (!Utf8ToWindows1252(character)) return character;
    at += length;
  }
  return {};
}

std::nullopt_t Refuse(Refusal* refusal, const FieldLayout& field, RefusalKind kind, std::string_view value = {}) {
  *refusal = Refusal{};
  refusal->field = field.field;
  refusal->kind = kind;
  refusal->value = std::string(value);
  return std::nullopt;
}

}  // namespace

std::optional<std::string> CellToLine(const FieldLayout& field, std::string_view cell, const ChoiceLists& lists,
                                      record::Game game, Refusal* refusal) {
  switch (field.kind) {
    case FieldKind::Ability: {
      const auto value = TryParseInteger(cell);
      if (!value || *value < record::kLowestAbility || *value > record::kHighestAbility)
        return Refuse(refusal, field, RefusalKind::NotAnAbility, cell);
      return FormatInteger(*value);
    }
    case FieldKind::Choice: {
      long long stored = 0;
      if (const int position = lists.PositionOf(field.list, cell); position >= 0) {
        stored = record::StoredChoice(field.field, position);
      } else if (const auto number = TryParseInteger(cell)) {
        stored = *number;
      } else {
        return Refuse(refusal, field, RefusalKind::NotAChoice, cell);
      }
      if (field.field == record::Field::GamePlan &&
          !record::AllowsGamePlan(game, record::ChoicePosition(field.field, stored)))
        return Refuse(refusal, field, RefusalKind::NoGroundGamePlanInJex);
      return FormatInteger(static_cast<std::int32_t>(stored));
    }
    case FieldKind::Text:
    case FieldKind::Team: {
      if (cell.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos)
        return Refuse(refusal, field, RefusalKind::LineBreak);
      auto bytes = Utf8ToWindows1252(cell);
      if (!bytes) return Refuse(refusal, field, RefusalKind::NotWindows1252, FirstUnfitCharacter(cell));
      // An empty team box saves as no team.
      if (field.kind == FieldKind::Team && bytes->empty()) return std::string(record::kNoTeamLine);
      return bytes;
    }
  }
  return std::nullopt;
}

CellEdit EditOfCell(const FighterView& fighter, const ChoiceLists& lists, record::Game game, std::size_t fieldRow,
                    std::string_view cell) {
  CellEdit edit;
  std::string converted;
  if (cell == ExportCellView(fighter, lists, fieldRow, converted)) return edit;
  const FieldLayout& field = record::kFields[fieldRow];
  Refusal refusal;
  auto line = CellToLine(field, cell, lists, game, &refusal);
  if (!line) {
    edit.refusal = std::move(refusal);
    return edit;
  }
  if (*line == fighter.recordLines[static_cast<std::size_t>(field.line)]) return edit;
  edit.line = std::move(line);
  return edit;
}

std::optional<std::string> FolderOfCategoryLine(std::string_view line, record::Game game) {
  const auto number = TryParseInteger(line);
  if (!number) return std::nullopt;
  const auto position = record::ChoicePosition(record::Field::Category, *number);
  if (const auto folder = record::CategoryFolder(game, position)) return std::string(*folder);
  return std::nullopt;
}

Refusal NoCategoryFolder(std::string_view cell, record::Game game) {
  Refusal refusal;
  refusal.field = record::Field::Category;
  refusal.kind = RefusalKind::NoCategoryFolder;
  refusal.value = std::string(cell);
  refusal.game = game;
  return refusal;
}

}  // namespace beditor::roster
