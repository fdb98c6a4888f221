#include "roster/fighter_view.h"

#include <algorithm>

#include "core/fighter_record.h"
#include "core/file_access.h"
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

// The layout rows in line order: messages about a file then follow its lines.
constexpr auto kByLine = [] {
  std::array<const FieldLayout*, record::kFields.size()> rows{};
  for (std::size_t i = 0; i < rows.size(); ++i) rows[i] = &record::kFields[i];
  std::sort(rows.begin(), rows.end(), [](const FieldLayout* a, const FieldLayout* b) { return a->line < b->line; });
  return rows;
}();


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

// The ability as its box shows it, for a file the editor loads.
template <record::Field field>
int ShownValue(const FighterView& fighter) {
  constexpr auto row = static_cast<std::size_t>(&record::LayoutOf(field) - record::kFields.data());
  return ShownAbility(*fighter.numbers[row]);
}

}  // namespace

void FighterView::Load(std::string_view bytes) {
  lines.LoadBytes(bytes);
  storedLineCount = lines.LineCount();
  record::NormaliseLoadedLines(lines);
  lines.FirstLineViews(recordLines);
  refusedAt = nullptr;
  for (const FieldLayout* field : kByLine) {
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
  if (fighter.Loadable() && field.kind == FieldKind::Team && stored == "0") return {};
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
  using record::Field;
  AbilityValues values;
  values.punch = ShownValue<Field::Punches>(fighter);
  values.kick = ShownValue<Field::Kicks>(fighter);
  values.strenght = ShownValue<Field::Strength>(fighter);
  values.clinch = ShownValue<Field::Clinch>(fighter);
  values.agility = ShownValue<Field::Agility>(fighter);
  values.dodge = ShownValue<Field::Dodge>(fighter);
  values.motivation = ShownValue<Field::Motivation>(fighter);
  values.td = ShownValue<Field::Takedowns>(fighter);
  values.tdDef = ShownValue<Field::TakedownDefence>(fighter);
  values.gnp = ShownValue<Field::GroundAndPound>(fighter);
  values.sub = ShownValue<Field::Submissions>(fighter);
  values.subDef = ShownValue<Field::SubmissionDefence>(fighter);
  values.stamina = ShownValue<Field::Stamina>(fighter);
  values.fortitude = ShownValue<Field::Fortitude>(fighter);
  values.pace = ShownValue<Field::Pace>(fighter);
  values.agressivity = ShownValue<Field::Aggressiveness>(fighter);
  values.koRes = ShownValue<Field::KoResistance>(fighter);
  values.groundGame = ShownValue<Field::GroundGame>(fighter);
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
