#pragma once
// The one integer scaling rule behind every colour run and band edge the widgets paint.
#include <cstdint>
#include <limits>

namespace beditor {

// x * y / z with a 64-bit intermediate, rounded to the nearest integer with halves away
// from zero. A zero divisor gives 0 and a quotient beyond the int range is clamped, so a
// degenerate size can never crash a paint.
constexpr int MulDiv(int x, int y, int z) {
  if (z == 0) return 0;
  const std::int64_t product = static_cast<std::int64_t>(x) * y;
  const bool negative = (product < 0) != (z < 0);
  const std::uint64_t magnitude =
      product < 0 ? 0 - static_cast<std::uint64_t>(product) : static_cast<std::uint64_t>(product);
  const std::uint64_t divisor =
      z < 0 ? 0 - static_cast<std::uint64_t>(static_cast<std::int64_t>(z))
            : static_cast<std::uint64_t>(z);
  std::uint64_t quotient = magnitude / divisor;
  if ((magnitude % divisor) * 2 >= divisor) ++quotient;
  const std::int64_t limit = negative ? -static_cast<std::int64_t>(std::numeric_limits<int>::min())
                                      : std::numeric_limits<int>::max();
  const std::int64_t bounded =
      quotient > static_cast<std::uint64_t>(limit) ? limit : static_cast<std::int64_t>(quotient);
  return static_cast<int>(negative ? -bounded : bounded);
}

}  // namespace beditor
