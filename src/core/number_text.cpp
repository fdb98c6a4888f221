#include "core/number_text.h"

#include <cmath>
#include <cstdio>

#include "core/file_errors.h"

namespace beditor {
namespace {

int HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::optional<std::int32_t> ParseHex(std::string_view digits, bool negative) {
  if (digits.empty()) return std::nullopt;
  std::uint32_t pattern = 0;
  int significant = 0;
  for (char c : digits) {
    const int digit = HexDigitValue(c);
    if (digit < 0) return std::nullopt;
    if (significant > 0 || digit != 0) ++significant;
    if (significant > 8) return std::nullopt;
    pattern = (pattern << 4) | static_cast<std::uint32_t>(digit);
  }
  // The digits are a 32-bit pattern read as signed; "-" negates it with wrap-around.
  if (negative) pattern = 0u - pattern;
  return static_cast<std::int32_t>(pattern);
}

std::optional<std::int32_t> ParseDecimal(std::string_view digits, bool negative) {
  if (digits.empty()) return std::nullopt;
  std::int64_t magnitude = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
    magnitude = magnitude * 10 + (c - '0');
    if (magnitude > 2147483648LL) return std::nullopt;
  }
  const std::int64_t value = negative ? -magnitude : magnitude;
  if (value > 2147483647LL) return std::nullopt;
  return static_cast<std::int32_t>(value);
}

}  // namespace

std::optional<std::int32_t> TryParseInteger(std::string_view text) {
  // Nearly every number line holds nothing but a few digits: those need none of the rules
  // below, and nine digits cannot leave the 32-bit range.
  if (!text.empty() && text.size() <= 9) {
    std::int32_t value = 0;
    std::size_t at = 0;
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) value = value * 10 + (text[at] - '0');
    if (at == text.size()) return value;
  }
  std::size_t at = 0;
  while (at < text.size() && text[at] == ' ') ++at;
  bool negative = false;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
    negative = text[at] == '-';
    ++at;
  }
  const std::string_view rest = text.substr(at);
  if (rest.starts_with("0x") || rest.starts_with("0X")) return ParseHex(rest.substr(2), negative);
  if (rest.starts_with('$') || rest.starts_with('x') || rest.starts_with('X'))
    return ParseHex(rest.substr(1), negative);
  return ParseDecimal(rest, negative);
}

std::int32_t ParseInteger(std::string_view text) {
  if (const auto value = TryParseInteger(text)) return *value;
  throw IntegerFormatError(text);
}

std::string FormatInteger(std::int32_t value) { return std::to_string(value); }

std::string FormatWholeNumber(double value) {
  if (std::isfinite(value) && value == std::trunc(value) && std::fabs(value) < 1e15)
    return std::to_string(static_cast<long long>(value));
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.15G", value);
  // The general format writes exponents without "+" and leading zeros ("1E15", "1E-5").
  std::string text = buffer;
  const auto e = text.find('E');
  if (e != std::string::npos) {
    std::string exponent = text.substr(e + 1);
    const bool negative = !exponent.empty() && exponent[0] == '-';
    if (!exponent.empty() && (exponent[0] == '+' || exponent[0] == '-')) exponent.erase(0, 1);
    exponent.erase(0, exponent.find_first_not_of('0'));
    text = text.substr(0, e + 1) + (negative ? "-" : "") + exponent;
  }
  return text;
}

}  // namespace beditor
