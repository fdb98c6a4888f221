#pragma once
// The fighter record: one text line per line of a fighter file, at fixed line numbers.
#include <array>

#include "files/line_list.h"

namespace beditor::record {

constexpr int kFreshLineCount = 36;   // a record that was never loaded
constexpr int kLoadedLineCount = 35;  // a loaded file is padded with "0" up to this

constexpr int kFullName = 17;
constexpr int kCommonName = 18;
constexpr int kGamePlan = 19;        // list position + 1
constexpr int kWeightCategory = 20;  // list position - 1
constexpr int kHeight = 21;
constexpr int kWeight = 22;
constexpr int kGroundGame = 23;
constexpr int kNationality = 24;
constexpr int kBirthDate = 25;
constexpr int kSherdog = 26;
constexpr int kGroundGamePlan = 27;
constexpr int kFancyStrikes = 28;
constexpr int kFancySubs = 29;
constexpr int kTeam = 31;
constexpr int kFightStyle = 32;
constexpr int kClinchGamePlan = 33;
constexpr int kLastZeroFilled = 32;  // saving turns empty lines 0..32 into "0"

// Lines 0..16 and 23.
constexpr std::array<int, 18> kAbilityLines = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 23};

// 36 lines: each ability line holds "1", as its box shows, every other line is empty.
LineList FreshRecord();

}  // namespace beditor::record
