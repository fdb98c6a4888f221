#include "roster_tool/formula_guard.h"

#include <algorithm>

namespace beditor::roster {
namespace {

bool IsPlainInteger(std::string_view cell) {
  if (cell.starts_with('-')) cell.remove_prefix(1);
  return !cell.empty() && std::all_of(cell.begin(), cell.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

bool NeedsFormulaGuard(std::string_view cell) {
  if (cell.empty()) return false;
  // A tab or carriage return first is dropped by some spreadsheets, which then see the rest.
  constexpr std::string_view kStarts = "=+-@\t\r'";
  return kStarts.find(cell.front()) != std::string_view::npos && !IsPlainInteger(cell);
}

std::string GuardedCell(std::string_view cell) {
  return NeedsFormulaGuard(cell) ? kFormulaGuard + std::string(cell) : std::string(cell);
}

std::string_view WithoutFormulaGuard(std::string_view cell) {
  if (cell.starts_with(kFormulaGuard)) cell.remove_prefix(1);
  return cell;
}

}  // namespace beditor::roster
