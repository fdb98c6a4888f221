#include "core/stat_spin_rules.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace beditor {

std::optional<std::int32_t> ParseSpinInteger(std::string_view text) {
  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  if (text.empty()) return std::nullopt;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
  }
  std::int64_t magnitude = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), magnitude);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  const std::int64_t value = negative ? -magnitude : magnitude;
  if (value < std::numeric_limits<std::int32_t>::min() ||
      value > std::numeric_limits<std::int32_t>::max()) {
    return std::nullopt;
  }
  return static_cast<std::int32_t>(value);
}

double SpinTextValue(std::string_view text, double minValue) {
  if (const auto value = ParseSpinInteger(text)) return *value;
  return std::nearbyint(minValue);
}

double ClampSpinValue(double x, double minValue, double maxValue) {
  if (std::isnan(x) || x < minValue) return minValue;
  if (x > maxValue) return maxValue;
  return x;
}

std::string FormatSpinValue(double x) {
  return std::to_string(static_cast<long long>(std::nearbyint(x)));
}

bool IsAcceptedSpinCharacter(char32_t c) {
  return c < 32 || c == 127 || (c >= '0' && c <= '9') || c == '+' || c == '-';
}

}  // namespace beditor
