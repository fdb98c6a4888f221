#include "roster_rules/fighter_view.h"

#include <algorithm>
#include <utility>

#include "core/fighter_record.h"
#include "core/file_access.h"
#include "core/number_text.h"
#include "core/windows_1252.h"

namespace beditor::roster {
namespace {

using record::FieldKind;
using record::FieldLayout;

static_assert(std::all_of(record::kFields.begin(), record::kFields.end(),
                          [](const FieldLayout& field) { return field.line < record::kLoadedLineCount; }),
              "every field lies among the lines a load pads the file to");

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

std::string ExportCell(const FighterView& fighter, const ChoiceLists& lists, std::size_t index) {
  std::string converted;
  return std::string(ExportCellView(fighter, lists, index, converted));
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

}  // namespace beditor::roster
