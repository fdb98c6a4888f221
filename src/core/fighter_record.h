#pragma once
// The fighter record: one text line per line of a fighter file, at the fixed line numbers
// of the layout table.
#include <array>

#include "core/fighter_layout.h"
#include "core/line_list.h"

namespace beditor::record {

constexpr int kFreshLineCount = 36;   // a record that was never loaded
constexpr int kLoadedLineCount = 35;  // a loaded file is padded with "0" up to this

constexpr int kFullName = LineOf(Field::FullName);
constexpr int kCommonName = LineOf(Field::CommonName);
constexpr int kGamePlan = LineOf(Field::GamePlan);
constexpr int kWeightCategory = LineOf(Field::Category);
constexpr int kHeight = LineOf(Field::Height);
constexpr int kWeight = LineOf(Field::Weight);
constexpr int kGroundGame = LineOf(Field::GroundGame);
constexpr int kNationality = LineOf(Field::Nationality);
constexpr int kBirthDate = LineOf(Field::BirthDate);
constexpr int kSherdog = LineOf(Field::SherdogId);
constexpr int kGroundGamePlan = LineOf(Field::GroundGamePlan);
constexpr int kFancyStrikes = LineOf(Field::FancyStrikes);
constexpr int kFancySubs = LineOf(Field::FancySubmissions);
constexpr int kTeam = LineOf(Field::Team);
constexpr int kFightStyle = LineOf(Field::FightStyle);
constexpr int kClinchGamePlan = LineOf(Field::ClinchGamePlan);

// The eighteen ability lines.
constexpr auto kAbilityLines = [] {
  std::array<int, 18> lines{};
  for (std::size_t i = 0; i < lines.size(); ++i) lines[i] = LineOf(kAbilityFields[i]);
  return lines;
}();

// 36 lines: each ability line holds "1", as its box shows, every other line is empty.
LineList FreshRecord();

// What a load makes of a file's lines: padded with "0" to 35 lines, and fight style "3"
// read as "2". The editor loads and the roster tool checks through this.
void NormaliseLoadedLines(LineList& lines);

}  // namespace beditor::record
