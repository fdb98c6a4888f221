#pragma once
// Fighter files are traded between players, and a roster CSV is opened in a spreadsheet: a
// cell that begins with "=", "+", "-" or "@" would be run there as a formula. Export writes
// such a cell with a leading "'", which the spreadsheet shows as it is and runs nothing; the
// import takes one leading "'" off again. A cell that itself begins with "'" gets one more,
// so that every text comes back byte for byte. A plain integer ("-3") is a number, not a
// formula: number cells are written as they are.
#include <string>
#include <string_view>

namespace beditor::roster {

inline constexpr char kFormulaGuard = '\'';

// Whether export writes the cell behind a guard.
bool NeedsFormulaGuard(std::string_view cell);

// The cell as export writes it: behind the guard where it needs one.
std::string GuardedCell(std::string_view cell);

// The cell as the import reads it: without one leading guard.
std::string_view WithoutFormulaGuard(std::string_view cell);

}  // namespace beditor::roster
