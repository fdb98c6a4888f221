#include "core/save_rules.h"

#include <gtest/gtest.h>

#include "core/fighter_record.h"

namespace beditor::record {
namespace {

// Up to the fight style's line and no further: the clinch game plan and the lines after it
// stay empty, as a fresh record's last lines are written.
TEST(SaveRules, EmptyLinesUpToTheFightStyleBecomeZero) {
  LineList lines = FreshRecord();
  lines.ReplaceLine(kFullName, "Ana");
  ZeroFillEmptyLines(lines);
  EXPECT_EQ(lines.LineAt(kFullName), "Ana");
  EXPECT_EQ(lines.LineAt(0), "1") << "an ability line is never empty in a fresh record";
  for (const int line : {kGamePlan, kTeam, 30, kFightStyle}) EXPECT_EQ(lines.LineAt(line), "0") << line;
  for (const int line : {kClinchGamePlan, 34, 35}) EXPECT_EQ(lines.LineAt(line), "") << line;
}

}  // namespace
}  // namespace beditor::record
