#pragma once
// Binary floating point with a 64-bit significand, rounded to nearest even after every
// operation: the arithmetic the ratings and the bar's fill stop were drawn for. The x87's
// long double is exactly that; where long double is something else (53 bits with MSVC and
// on Windows or Apple ARM64, 113 bits on Linux ARM64, 53 bits with GCC's -mlong-double-64)
// a software type takes its place, so every build shows the same figures.
#include <boost/multiprecision/cpp_bin_float.hpp>
#include <cmath>
#include <limits>
#include <type_traits>

namespace beditor {

// Expression templates off: each operation is evaluated and rounded on its own, as the
// hardware does, instead of being fused into a larger expression.
using SoftwareExtended =
    boost::multiprecision::number<boost::multiprecision::cpp_bin_float<
                                      64, boost::multiprecision::digit_base_2>,
                                  boost::multiprecision::et_off>;

// True where long double is the 64-bit-significand type itself (GCC and Clang on x86).
inline constexpr bool kLongDoubleIsExtended =
    std::numeric_limits<long double>::radix == 2 && std::numeric_limits<long double>::digits == 64;

// Meaningful only where kLongDoubleIsExtended holds.
using HardwareExtended = long double;

using Extended = std::conditional_t<kLongDoubleIsExtended, HardwareExtended, SoftwareExtended>;

// The whole number nearest to `value`, exact halves to the even neighbour: std::rint in the
// default rounding mode, which the program never changes. (std::nearbyint gives the same
// number but saves and restores the floating-point environment around it, which on the x87
// costs more than all the ratings' arithmetic.)
inline int RoundHalfEven(HardwareExtended value) { return static_cast<int>(std::rint(value)); }

// The same rule for the software type, whose own nearbyint rounds halves away from zero.
inline int RoundHalfEven(const SoftwareExtended& value) {
  const SoftwareExtended below = floor(value);
  // Exact: a fraction of a 64-bit-significand number fits in 64 bits.
  const SoftwareExtended fraction = value - below;
  int whole = below.convert_to<int>();
  const SoftwareExtended half(0.5);
  if (fraction > half || (fraction == half && whole % 2 != 0)) ++whole;
  return whole;
}

}  // namespace beditor
