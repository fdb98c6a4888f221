#include "roster/fighter_view.h"

#include <algorithm>
#include <utility>

#include "core/fighter_record.h"
#include "core/file_access.h"
#include "core/game_rules.h"
#include "core/number_text.h"
#include "core/windows_1252.h"
#include "roster/quoted_text.h"

namespace beditor::roster {
namespace {

using record::FieldKind;
using record::FieldLayout;

static_assert(std::all_of(record::kFields.begin(), record::kFields.end(),
                          [](const FieldLayout& field) { return field.line < record::kLoadedLineCount; }),
              "every field lies among the lines a load pads the file to");

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

}  // namespace

void FighterView::Load(std::string_view bytes) {
  lines.LoadBytes(bytes);
  storedLineCount = lines.LineCount();
  record::NormaliseLoadedLines(lines);
  lines.FirstLineViews(recordLines);
  refusedAt = nullptr;
  for (const FieldLayout* field : record::kFieldsByLine) {
    auto& number = numbers[static_cast<std::size_t>(field - record::kFields.data())];
    number.reset();
    if (!record::IsNumberKind(field->kind)) continue;
    number = TryParseInteger(recordLines[static_cast<std::size_t>(field->line)]);
    if (!number && !refusedAt) refusedAt = field;
  }
}

FighterReader::FighterReader(const RosterContext& context) : fighters_(FightersFolder(context)) {}

std::string_view FighterReader::Bytes(const FighterFile& file) {
  if (!file.cell.empty()) return fighters_.Read(file.cell);
  elsewhere_ = ReadWholeFile(file.elsewhere);
  return elsewhere_;
}

std::string_view ExportCellView(const FighterView& fighter, const ChoiceLists& lists, std::size_t index,
                                std::string& converted) {
  const FieldLayout& field = record::kFields[index];
  const std::string_view stored = fighter.recordLines[static_cast<std::size_t>(field.line)];
  if (fighter.Loadable() && field.kind == FieldKind::Choice) {
    const auto& entries = lists.Entries(field.list);
    const long long position = *fighter.numbers[index] - field.offset;
    if (position >= 0 && position < static_cast<long long>(entries.size()))
      return entries[static_cast<std::size_t>(position)];
  }
  if (fighter.Loadable() && field.kind == FieldKind::Team && stored == record::kNoTeamLine) return {};
  if (IsPlainAscii(stored)) return stored;
  converted = Windows1252ToUtf8(stored);
  return converted;
}

FieldCellViews ExportCellViews(const FighterView& fighter, const ChoiceLists& lists, FieldCells& converted) {
  FieldCellViews cells;
  for (std::size_t i = 0; i < record::kFields.size(); ++i) cells[i] = ExportCellView(fighter, lists, i, converted[i]);
  return cells;
}

int ShownAbility(std::int32_t stored) {
  return std::clamp(stored, std::int32_t{record::kLowestAbility}, std::int32_t{record::kHighestAbility});
}

std::optional<Ratings> RatingsOf(const FighterView& fighter) {
  if (!fighter.Loadable()) return std::nullopt;
  static constexpr auto kRows = [] {
    std::array<std::size_t, kAbilityValueMembers.size()> rows{};
    for (std::size_t i = 0; i < rows.size(); ++i) rows[i] = record::RowOf(kAbilityValueMembers[i].field);
    return rows;
  }();
  // Unrolled: each value is stored straight from its field's number, as if written by name.
  AbilityValues values;
  [&]<std::size_t... I>(std::index_sequence<I...>) {
    ((values.*kAbilityValueMembers[I].value = ShownAbility(*fighter.numbers[kRows[I]])), ...);
  }(std::make_index_sequence<kRows.size()>());
  return RateAbilities(values);
}

std::array<int, 6> RatingValues(const Ratings& ratings) {
  return {ratings.ground, ratings.striking, ratings.defense, ratings.fitness, ratings.mental, ratings.overall};
}

std::optional<std::string> CellToLine(const FieldLayout& field, std::string_view cell, const ChoiceLists& lists,
                                      record::Game game, std::string* refusal) {
  switch (field.kind) {
    case FieldKind::Ability: {
      const auto value = TryParseInteger(cell);
      if (!value || *value < 1 || *value > 20) {
        *refusal = Quoted(cell) + " is not an integer from 1 to 20";
        return std::nullopt;
      }
      return FormatInteger(*value);
    }
    case FieldKind::Choice: {
      long long stored = 0;
      if (const int position = lists.PositionOf(field.list, cell); position >= 0) {
        stored = record::StoredChoice(field.field, position);
      } else if (const auto number = TryParseInteger(cell)) {
        stored = *number;
      } else {
        *refusal = Quoted(cell) + " is neither an entry of the " + field.title + " list nor an integer";
        return std::nullopt;
      }
      if (field.field == record::Field::GamePlan &&
          !record::AllowsGamePlan(game, record::ChoicePosition(field.field, stored))) {
        *refusal = "JEX fighters cannot have the Go to the ground game plan";
        return std::nullopt;
      }
      return FormatInteger(static_cast<std::int32_t>(stored));
    }
    case FieldKind::Text:
    case FieldKind::Team: {
      if (cell.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos) {
        *refusal = "a line break or NUL cannot go into a line of a fighter file";
        return std::nullopt;
      }
      auto bytes = Utf8ToWindows1252(cell);
      if (!bytes) {
        *refusal = Quoted(FirstUnfitCharacter(cell)) + " is a character Windows-1252 cannot hold";
        return std::nullopt;
      }
      // An empty team box saves as no team.
      if (field.kind == FieldKind::Team && bytes->empty()) return std::string(record::kNoTeamLine);
      return bytes;
    }
  }
  return std::nullopt;
}

}  // namespace beditor::roster
