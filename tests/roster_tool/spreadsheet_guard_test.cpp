// Which cells export puts behind the "'" guard: a text that a spreadsheet would run as a
// formula, or read as a number and write back in its own form. The cases a spreadsheet
// changes are LibreOffice Calc's, default import settings, in English and Spanish locales,
// and Excel's opening of a CSV.
#include <gtest/gtest.h>

#include "roster_tool/formula_guard.h"

namespace beditor::roster {
namespace {

TEST(SpreadsheetGuard, TextThatASpreadsheetTakesForANumberIsGuarded) {
  const std::vector<std::string> changedBySpreadsheet = {
      "007", "00", "-0", "-007", "1e5", "1E5", "1e+05", "-1e-3", "2.5E3",  // leading zeros, exponents
      "1.5", "1,5", "1.50", "0.0", "5.", ".5", "-.5", "1,000", "1.000", "1,234.5", "1.234,5", "1 000", "1.000.000",
      " 7", "7 ", "\xC2\xA0" "7", " 12 ",                                   // blanks a spreadsheet trims
      "50%", "$5", "5 \xE2\x82\xAC", "\xC2\xA3" "5", "-$5", "(5)",          // percent, currency, accounting
      "123456789012",                                                       // Excel shows 1.23457E+11
      "=1+1", "+7", "@home", "'quoted",                                     // formulas, as before
  };
  for (const std::string& cell : changedBySpreadsheet) EXPECT_TRUE(NeedsTextGuard(cell)) << '"' << cell << '"';

  const std::vector<std::string> keptBySpreadsheet = {
      "", "0", "7", "-5", "1985", "12345678901",  // an integer in its one plain form
      "Big Tom", "El Halc\xC3\xB3n", "Q1", "5x", "0x1F", "1d", "e5", "1e", "5e3x", "1..5", "1,,0", "1.2.3", ".", "%",
      "174 cm", "70 kg", "6'2", "TRUE",
      "14/03/1994", "1994-03-14", "12.03.1985", "1:30", "1/2",  // dates and times: see the README
  };
  for (const std::string& cell : keptBySpreadsheet) EXPECT_FALSE(NeedsTextGuard(cell)) << '"' << cell << '"';
}

// A number column holds numbers: only a formula's start is guarded there, as before.
TEST(SpreadsheetGuard, NumberColumnsStayBare) {
  for (const char* cell : {"007", "1.5", "-5", "20"}) EXPECT_FALSE(NeedsFormulaGuard(cell)) << cell;
  EXPECT_TRUE(NeedsFormulaGuard("=1"));
}

}  // namespace
}  // namespace beditor::roster
