#pragma once
// The number rules of the stat spin box, free of any widget: how its text reads as a
// number, how a number is kept within the limits and written back, and which typed
// characters it takes.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace beditor {

// A 32-bit signed decimal integer: one optional "+" or "-", then at least one digit, and
// nothing else (no spaces, no hexadecimal). Empty when the text is anything else or out of
// range.
std::optional<std::int32_t> ParseSpinInteger(std::string_view text);

// The value the text stands for; unreadable text stands for `minValue` rounded to a whole
// number. Not clamped.
double SpinTextValue(std::string_view text, double minValue);

// `x` cropped to [minValue, maxValue]; a value that is not a number becomes minValue.
double ClampSpinValue(double x, double minValue, double maxValue);

// A value within the limits as plain decimal text without grouping, rounded to a whole
// number (halves to the even neighbour).
std::string FormatSpinValue(double x);

// Whether a typed character may go into the box: digits, "+", "-" and control characters.
bool IsAcceptedSpinCharacter(char32_t c);

}  // namespace beditor
