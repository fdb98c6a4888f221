#include "roster_tool/formula_guard.h"

#include <algorithm>
#include <array>
#include <vector>

namespace beditor::roster {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsPlainInteger(std::string_view cell) {
  if (cell.starts_with('-')) cell.remove_prefix(1);
  return !cell.empty() && std::all_of(cell.begin(), cell.end(), IsDigit);
}

// An integer a spreadsheet writes back as it read it. Excel shows 12 digits and more as
// "1.23457E+11", and saves the CSV as it shows it.
bool IsIntegerInItsPlainForm(std::string_view cell) {
  if (cell == "0") return true;
  if (cell.starts_with('-')) cell.remove_prefix(1);
  return !cell.empty() && cell.size() <= 11 && cell.front() != '0' && std::all_of(cell.begin(), cell.end(), IsDigit);
}

// UTF-8: the no-break space, which spreadsheets take off around a number as they do a space.
constexpr std::string_view kNoBreakSpace = "\xC2\xA0";

bool TakePrefix(std::string_view& text, std::string_view prefix) {
  if (!text.starts_with(prefix)) return false;
  text.remove_prefix(prefix.size());
  return true;
}

bool TakeSuffix(std::string_view& text, std::string_view suffix) {
  if (!text.ends_with(suffix)) return false;
  text.remove_suffix(suffix.size());
  return true;
}

void TakeBlanks(std::string_view& text) {
  while (TakePrefix(text, " ") || TakePrefix(text, kNoBreakSpace)) {
  }
  while (TakeSuffix(text, " ") || TakeSuffix(text, kNoBreakSpace)) {
  }
}

// Dollar, euro, pound and yen, in UTF-8.
constexpr std::array<std::string_view, 4> kCurrencies = {"$", "\xE2\x82\xAC", "\xC2\xA3", "\xC2\xA5"};

bool TakeCurrencyPrefix(std::string_view& text) {
  return std::any_of(kCurrencies.begin(), kCurrencies.end(),
                     [&text](std::string_view currency) { return TakePrefix(text, currency); });
}

bool TakeCurrencySuffix(std::string_view& text) {
  return std::any_of(kCurrencies.begin(), kCurrencies.end(),
                     [&text](std::string_view currency) { return TakeSuffix(text, currency); });
}

// Digits with marks between them, as a locale writes a number: "." or "," as its decimal
// point or between thousands, a blank between thousands ("1,000", "1.5", ".5", "1 000",
// "1.234,5"). A mark that is not the last, or the last when an earlier one is of its kind,
// is a thousands mark, and three digits follow it: "12.03.1985" is no number.
bool IsDigitsWithMarks(std::string_view text) {
  struct Mark {
    char kind;
    std::size_t digitsAfter;
  };
  std::vector<Mark> marks;
  bool digits = false;
  for (std::size_t at = 0; at < text.size();) {
    if (IsDigit(text[at])) {
      digits = true;
      if (!marks.empty()) ++marks.back().digitsAfter;
      ++at;
      continue;
    }
    const bool blank = text[at] == ' ' || text.substr(at).starts_with(kNoBreakSpace);
    if (!blank && text[at] != '.' && text[at] != ',') return false;
    // Two marks side by side, or a blank that does not follow digits.
    if ((!marks.empty() && marks.back().digitsAfter == 0) || (blank && !digits)) return false;
    marks.push_back({blank ? ' ' : text[at], 0});
    at += text[at] == '\xC2' ? kNoBreakSpace.size() : 1;
  }
  if (!digits) return false;
  for (std::size_t i = 0; i < marks.size(); ++i) {
    const bool last = i + 1 == marks.size();
    const bool repeated = std::any_of(marks.begin(), marks.begin() + static_cast<std::ptrdiff_t>(i),
                                      [&](const Mark& earlier) { return earlier.kind == marks[i].kind; });
    const bool thousands = marks[i].kind == ' ' || !last || repeated;
    if (thousands && marks[i].digitsAfter != 3) return false;
  }
  return true;
}

}  // namespace

bool NeedsFormulaGuard(std::string_view cell) {
  if (cell.empty()) return false;
  // A tab or carriage return first is dropped by some spreadsheets, which then see the rest.
  constexpr std::string_view kStarts = "=+-@\t\r'";
  return kStarts.find(cell.front()) != std::string_view::npos && !IsPlainInteger(cell);
}

bool ReadsAsNumber(std::string_view cell) {
  std::string_view text = cell;
  TakeBlanks(text);
  // An accountant's negative: "(5)".
  if (TakePrefix(text, "(") && !TakeSuffix(text, ")")) return false;
  // A sign and a currency before the number, in either order; a currency or percent after it.
  const auto takeSign = [&text] { return TakePrefix(text, "-") || TakePrefix(text, "+"); };
  const bool sign = takeSign();
  if (TakeCurrencyPrefix(text)) {
    TakeBlanks(text);
    if (!sign) takeSign();
  }
  if (!TakeSuffix(text, "%")) TakeCurrencySuffix(text);
  TakeBlanks(text);
  // The exponent: "1e5", "2.5E-3".
  if (const std::size_t e = text.find_first_of("eE"); e != std::string_view::npos) {
    std::string_view exponent = text.substr(e + 1);
    if (!TakePrefix(exponent, "-")) TakePrefix(exponent, "+");
    if (exponent.empty() || !std::all_of(exponent.begin(), exponent.end(), IsDigit)) return false;
    text = text.substr(0, e);
  }
  return IsDigitsWithMarks(text);
}

bool NeedsTextGuard(std::string_view cell) {
  return NeedsFormulaGuard(cell) || (ReadsAsNumber(cell) && !IsIntegerInItsPlainForm(cell));
}

std::string_view WithoutFormulaGuard(std::string_view cell) {
  if (cell.starts_with(kFormulaGuard)) cell.remove_prefix(1);
  return cell;
}

}  // namespace beditor::roster
