#pragma once
// Fighter files are traded between players, and a roster CSV is opened in a spreadsheet: a
// cell that begins with "=", "+", "-" or "@" would be run there as a formula. Export writes
// such a cell with a leading "'", which the spreadsheet shows as it is and runs nothing; the
// import takes one leading "'" off again. A cell that itself begins with "'" gets one more,
// so that every text comes back byte for byte. A plain integer ("-3") is a number, not a
// formula: number cells are written as they are.
//
// A spreadsheet also reads a text as a number where it can, and writes the number back in
// its own form: a common name "007" comes back "7", a height "1e5" "100000". Text columns
// put such a cell behind the same guard; number columns stay bare.
#include <string>
#include <string_view>

namespace beditor::roster {

inline constexpr char kFormulaGuard = '\'';

// Whether export writes the cell behind a guard, for any column.
bool NeedsFormulaGuard(std::string_view cell);

// Whether a spreadsheet opening the CSV takes the text for a number: digits with "." or ","
// (decimals or thousands, by the locale), an exponent, a sign, a currency or percent sign,
// blanks around it. Dates and times are not asked about: guarding every birth date would
// hide them from the player, and the import's dry run shows what a spreadsheet made of them.
bool ReadsAsNumber(std::string_view cell);

// Whether export writes a cell of a text column behind the guard: a formula's start, or a
// text that a spreadsheet reads as a number and may write back otherwise. An integer in its
// one plain form ("0", "-12", no more than 11 digits) comes back as it went.
bool NeedsTextGuard(std::string_view cell);

// The cell as the import reads it: without one leading guard.
std::string_view WithoutFormulaGuard(std::string_view cell);

}  // namespace beditor::roster
