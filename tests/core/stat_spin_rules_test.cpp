// The number rules of the stat spin box on their own.
#include "core/stat_spin_rules.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>

namespace beditor {
namespace {

TEST(StatSpinRules, ReadsOnlySignedDecimalIntegersWithinThirtyTwoBits) {
  const struct {
    std::string text;
    std::optional<std::int32_t> value;
  } cases[] = {
      {"7", 7},
      {"+7", 7},
      {"-3", -3},
      {"05", 5},
      {"-0", 0},
      {"2147483647", 2147483647},
      {"-2147483648", std::numeric_limits<std::int32_t>::min()},
      {"000000000000000000000012", 12},
      {"", std::nullopt},
      {"+", std::nullopt},
      {"-", std::nullopt},
      {"+-5", std::nullopt},
      {"--5", std::nullopt},
      {"2147483648", std::nullopt},
      {"-2147483649", std::nullopt},
      {"99999999999999999999999", std::nullopt},
      {" 5", std::nullopt},
      {"5 ", std::nullopt},
      {"1.5", std::nullopt},
      {"1,5", std::nullopt},
      {"$A", std::nullopt},
      {"0x1", std::nullopt},
      {"5-", std::nullopt},
      {"\xd9\xa3", std::nullopt},  // an Arabic-Indic digit
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(ParseSpinInteger(c.text), c.value);
  }
}

TEST(StatSpinRules, UnreadableTextStandsForTheLowerLimitRounded) {
  EXPECT_EQ(SpinTextValue("13", 1), 13);
  EXPECT_EQ(SpinTextValue("-3", 1), -3);  // reading does not clamp
  EXPECT_EQ(SpinTextValue("", 1), 1);
  EXPECT_EQ(SpinTextValue("x", 2.5), 2);  // halves go to the even neighbour
  EXPECT_EQ(SpinTextValue("x", 3.5), 4);
}

TEST(StatSpinRules, ClampsToTheLimits) {
  const struct {
    double x, expected;
  } cases[] = {
      {-3, 1},
      {0, 1},
      {1, 1},
      {7.5, 7.5},
      {20, 20},
      {25, 20},
      {-1e300, 1},
      {1e300, 20},
      {-std::numeric_limits<double>::infinity(), 1},
      {std::numeric_limits<double>::infinity(), 20},
      {std::nan(""), 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.x);
    EXPECT_EQ(ClampSpinValue(c.x, 1, 20), c.expected);
  }
}

TEST(StatSpinRules, FormatsWholeNumbersWithoutGrouping) {
  const struct {
    double x;
    const char* text;
  } cases[] = {{1, "1"},   {20, "20"}, {7.4, "7"}, {7.6, "8"},
               {6.5, "6"}, {7.5, "8"}, {-3, "-3"}, {12345, "12345"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.x);
    EXPECT_EQ(FormatSpinValue(c.x), c.text);
  }
}

TEST(StatSpinRules, AcceptsDigitsSignsAndControlCharactersOnly) {
  for (char32_t c : U"0123456789+-\b\r\x1b\x03\x16\x18\x1a\x7f") {
    if (c == 0) break;
    EXPECT_TRUE(IsAcceptedSpinCharacter(c)) << "character " << static_cast<int>(c);
  }
  // Neighbours of the digits, separators, letters and digits of other scripts.
  for (char32_t c : U" ./:,*=aZ\u00e9\u00bd\u0663\uff15") {
    if (c == 0) break;
    EXPECT_FALSE(IsAcceptedSpinCharacter(c)) << "character " << static_cast<int>(c);
  }
}

}  // namespace
}  // namespace beditor
