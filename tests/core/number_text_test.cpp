#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

#include "core/file_errors.h"
#include "core/number_text.h"

namespace beditor {
namespace {

TEST(ParseInteger, AcceptsTheNumberForms) {
  const std::vector<std::pair<std::string, std::int32_t>> accepted = {
      {"12", 12}, {"  12", 12}, {"+12", 12}, {"-1", -1}, {"0012", 12}, {"0", 0}, {"-0", 0},
      {"$1F", 31}, {"x1F", 31}, {"X1f", 31}, {"0x1f", 31}, {"0X1F", 31}, {"-$10", -16},
      {"$FFFFFFFF", -1}, {"-$FFFFFFFF", 1}, {"$80000000", std::numeric_limits<std::int32_t>::min()},
      {"$000000001", 1}, {"2147483647", 2147483647}, {"-2147483648", -2147483647 - 1},
      {"$10", 16}, {"x10", 16}, {"0x10", 16}, {"00000000000000000007", 7},
      {"999999999", 999999999}, {"1000000000", 1000000000}, {"000000009", 9},
  };
  for (const auto& [text, value] : accepted) EXPECT_EQ(ParseInteger(text), value) << text;
}

TEST(ParseInteger, RejectsEverythingElseQuotingTheText) {
  const std::vector<std::string> rejected = {
      "$100000000", "2147483648", "-2147483649", "12 ", "\t12", "", "   ", "+", "-", "$", "x",
      "0x", "- 12", "12.0", "1e3", "12abc", "+-1", "--1", "$-5", "0x-5", "1 2", "\xF3",
      std::string("1\0", 2), "99999999999999999999", "1/", "9:", "/1", ":9",
  };
  for (const auto& text : rejected) {
    try {
      ParseInteger(text);
      ADD_FAILURE() << "accepted: " << text;
    } catch (const IntegerFormatError& error) {
      const bool plainAscii = std::all_of(text.begin(), text.end(), [](char c) { return c >= ' ' && c < 127; });
      if (plainAscii) {
        EXPECT_EQ(std::string(error.what()), "'" + text + "' is not a valid integer value");
      }
    }
  }
}

TEST(ParseInteger, QuotesWindows1252TextReadably) {
  try {
    ParseInteger("Jos\xE9");
    FAIL();
  } catch (const IntegerFormatError& error) {
    EXPECT_EQ(std::string(error.what()), "'Jos\xC3\xA9' is not a valid integer value");
  }
}

TEST(FormatNumbers, PlainDecimal) {
  EXPECT_EQ(FormatInteger(0), "0");
  EXPECT_EQ(FormatInteger(-1), "-1");
  EXPECT_EQ(FormatInteger(15), "15");
  EXPECT_EQ(FormatInteger(std::numeric_limits<std::int32_t>::min()), "-2147483648");
  for (std::int32_t v : {-5, 0, 1, 20, 123456}) EXPECT_EQ(ParseInteger(FormatInteger(v)), v);
  EXPECT_EQ(FormatWholeNumber(7), "7");
  EXPECT_EQ(FormatWholeNumber(20), "20");
  EXPECT_EQ(FormatWholeNumber(-3), "-3");
  EXPECT_EQ(FormatWholeNumber(999999999999999.0), "999999999999999");
  EXPECT_EQ(FormatWholeNumber(1e15), "1E15");
  EXPECT_EQ(FormatWholeNumber(1.5), "1.5");
}

}  // namespace
}  // namespace beditor
