// Number text: ParseInteger accepts exactly the texts a small reference accepts, with the
// same value, and FormatInteger writes canonical decimal that reads back as the same value.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "core/file_errors.h"
#include "core/number_text.h"
#include "core/windows_1252.h"
#include "fuzz_check.h"

namespace {

bool IsDecimalDigit(char c) { return c >= '0' && c <= '9'; }

int HexValue(char c) {
  if (IsDecimalDigit(c)) return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::string_view WithoutLeadingZeros(std::string_view digits) {
  while (!digits.empty() && digits.front() == '0') digits.remove_prefix(1);
  return digits;
}

// The number rules restated: spaces (0x20 only), at most one sign directly before the
// number, then "$"/"x"/"X"/"0x"/"0X" and 1+ hex digits (8 significant at most, a signed
// 32-bit pattern, "-" negating with wrap-around), or 1+ decimal digits within int32.
std::optional<std::int32_t> ReferenceParse(std::string_view text) {
  text.remove_prefix(std::min(text.find_first_not_of(' '), text.size()));
  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  std::size_t prefix = 0;
  if (text.starts_with("0x") || text.starts_with("0X")) prefix = 2;
  else if (!text.empty() && (text.front() == '$' || text.front() == 'x' || text.front() == 'X')) prefix = 1;

  if (prefix > 0) {
    const std::string_view digits = text.substr(prefix);
    if (digits.empty()) return std::nullopt;
    for (char c : digits)
      if (HexValue(c) < 0) return std::nullopt;
    const std::string_view significant = WithoutLeadingZeros(digits);
    if (significant.size() > 8) return std::nullopt;
    std::uint32_t pattern = 0;
    for (char c : significant) pattern = pattern * 16 + static_cast<std::uint32_t>(HexValue(c));
    if (negative) pattern = ~pattern + 1;
    std::int32_t value;
    std::memcpy(&value, &pattern, sizeof value);
    return value;
  }

  if (text.empty()) return std::nullopt;
  for (char c : text)
    if (!IsDecimalDigit(c)) return std::nullopt;
  const std::string_view significant = WithoutLeadingZeros(text);
  if (significant.size() > 10) return std::nullopt;
  std::int64_t magnitude = 0;
  for (char c : significant) magnitude = magnitude * 10 + (c - '0');
  const std::int64_t value = negative ? -magnitude : magnitude;
  if (value < INT32_MIN || value > INT32_MAX) return std::nullopt;
  return static_cast<std::int32_t>(value);
}

// Canonical decimal, built digit by digit: "0", or an optional "-" and no leading zero.
std::string ReferenceFormat(std::int32_t value) {
  std::int64_t magnitude = value < 0 ? -std::int64_t{value} : value;
  std::string digits;
  do {
    digits.insert(digits.begin(), static_cast<char>('0' + magnitude % 10));
    magnitude /= 10;
  } while (magnitude > 0);
  return value < 0 ? "-" + digits : digits;
}

void CheckFormatting(std::int32_t value) {
  using namespace beditor;
  const std::string text = FormatInteger(value);
  FUZZ_CHECK(text == ReferenceFormat(value));
  FUZZ_CHECK(ParseInteger(text) == value);
  FUZZ_CHECK(FormatWholeNumber(static_cast<double>(value)) == text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace beditor;
  const std::string_view text(reinterpret_cast<const char*>(data), size);

  const std::optional<std::int32_t> expected = ReferenceParse(text);
  FUZZ_CHECK(TryParseInteger(text) == expected);
  try {
    const std::int32_t value = ParseInteger(text);
    FUZZ_CHECK(expected && value == *expected);
    CheckFormatting(value);
  } catch (const IntegerFormatError& error) {
    FUZZ_CHECK(!expected);
    // Lines never hold NUL, and a C-string message could not carry it anyway.
    if (text.find('\0') == std::string_view::npos)
      FUZZ_CHECK(error.what() == "'" + Windows1252ToUtf8(text) + "' is not a valid integer value");
  }

  // Any 32-bit value, not only the parsed ones, formats and reads back.
  if (size >= 4) {
    std::int32_t value;
    std::memcpy(&value, data, sizeof value);
    CheckFormatting(value);
  }
  return 0;
}
