#include "roster/fighter_view.h"

#include <algorithm>

#include "core/fighter_record.h"
#include "core/number_text.h"
#include "core/windows_1252.h"

namespace beditor::roster {
namespace {

using record::FieldKind;
using record::FieldLayout;

// The layout rows in line order: messages about a file then follow its lines.
constexpr auto kByLine = [] {
  std::array<const FieldLayout*, record::kFields.size()> rows{};
  for (std::size_t i = 0; i < rows.size(); ++i) rows[i] = &record::kFields[i];
  std::sort(rows.begin(), rows.end(), [](const FieldLayout* a, const FieldLayout* b) { return a->line < b->line; });
  return rows;
}();

std::string Quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

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

FighterView FighterFromLines(LineList lines) {
  FighterView fighter;
  fighter.storedLineCount = lines.LineCount();
  record::NormaliseLoadedLines(lines);
  fighter.lines = std::move(lines);
  for (const FieldLayout* field : kByLine) {
    if (record::IsNumberKind(field->kind) && !TryParseInteger(fighter.lines.LineAt(field->line))) {
      fighter.refusedAt = field;
      break;
    }
  }
  return fighter;
}

FighterView ReadFighter(const std::filesystem::path& path) {
  LineList lines;
  lines.LoadLines(path);
  return FighterFromLines(std::move(lines));
}

FieldCells ExportCells(const FighterView& fighter, const ChoiceLists& lists) {
  FieldCells cells;
  for (std::size_t i = 0; i < record::kFields.size(); ++i) {
    const FieldLayout& field = record::kFields[i];
    const std::string& stored = fighter.lines.LineAt(field.line);
    std::string& cell = cells[i];
    if (fighter.Loadable() && field.kind == FieldKind::Choice) {
      const auto& entries = lists.Entries(field.list);
      const long long position = record::ChoicePosition(field.field, *TryParseInteger(stored));
      if (position >= 0 && position < static_cast<long long>(entries.size())) {
        cell = entries[static_cast<std::size_t>(position)];
        continue;
      }
    }
    if (fighter.Loadable() && field.kind == FieldKind::Team && stored == "0") continue;
    cell = Windows1252ToUtf8(stored);
  }
  return cells;
}

int ShownAbility(std::int32_t stored) { return std::clamp(stored, 1, 20); }

std::optional<Ratings> RatingsOf(const FighterView& fighter) {
  if (!fighter.Loadable()) return std::nullopt;
  const auto value = [&fighter](record::Field field) {
    return ShownAbility(*TryParseInteger(fighter.lines.LineAt(record::LineOf(field))));
  };
  using record::Field;
  AbilityValues values;
  values.punch = value(Field::Punches);
  values.kick = value(Field::Kicks);
  values.strenght = value(Field::Strength);
  values.clinch = value(Field::Clinch);
  values.agility = value(Field::Agility);
  values.dodge = value(Field::Dodge);
  values.motivation = value(Field::Motivation);
  values.td = value(Field::Takedowns);
  values.tdDef = value(Field::TakedownDefence);
  values.gnp = value(Field::GroundAndPound);
  values.sub = value(Field::Submissions);
  values.subDef = value(Field::SubmissionDefence);
  values.stamina = value(Field::Stamina);
  values.fortitude = value(Field::Fortitude);
  values.pace = value(Field::Pace);
  values.agressivity = value(Field::Aggressiveness);
  values.koRes = value(Field::KoResistance);
  values.groundGame = value(Field::GroundGame);
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
      if (field.field == record::Field::GamePlan && game == record::Game::JEX &&
          record::ChoicePosition(field.field, stored) == record::kGoToTheGroundPosition) {
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
      // An empty team box saves as "0", no team.
      if (field.kind == FieldKind::Team && bytes->empty()) return "0";
      return bytes;
    }
  }
  return std::nullopt;
}

}  // namespace beditor::roster
