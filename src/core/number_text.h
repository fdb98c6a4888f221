#pragma once
// Numbers in lines: the exact textual forms that the program reads and writes.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace beditor {

// Leading spaces, one optional sign, then decimal digits or a hexadecimal number with
// "$", "x", "X", "0x" or "0X"; nothing after the digits; 32-bit range.
// Throws IntegerFormatError.
std::int32_t ParseInteger(std::string_view text);

// The same rules without the exception.
std::optional<std::int32_t> TryParseInteger(std::string_view text);

// Plain decimal, "-" in front of negatives.
std::string FormatInteger(std::int32_t value);

// General number format with 15 significant digits; whole numbers come out as FormatInteger.
std::string FormatWholeNumber(double value);

}  // namespace beditor
