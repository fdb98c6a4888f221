// The 64-bit-significand arithmetic itself: precision, ties to even per operation, and the
// halves-to-even rounding to whole numbers, for each type this build has.
#include <gtest/gtest.h>

#include <type_traits>

#include "core/extended_float.h"

namespace beditor {
namespace {

template <typename Real>
class ExtendedFloatTest : public ::testing::Test {
 protected:
  // 2^-exponent, made by exact halvings.
  static Real PowerOfHalf(int exponent) {
    Real value(1);
    for (int i = 0; i < exponent; ++i) value = value / Real(2);
    return value;
  }
};

#ifdef BEDITOR_REQUIRE_SOFTWARE_EXTENDED
// The build that exists to check the software path must really take it.
static_assert(std::is_same_v<Extended, SoftwareExtended>, "this build must use the software type");
#endif

using ExtendedTypes = std::conditional_t<kLongDoubleIsExtended,
                                         ::testing::Types<HardwareExtended, SoftwareExtended>,
                                         ::testing::Types<SoftwareExtended>>;
TYPED_TEST_SUITE(ExtendedFloatTest, ExtendedTypes);

TYPED_TEST(ExtendedFloatTest, HasA64BitSignificandAndRoundsTiesToEven) {
  using Real = TypeParam;
  const Real one(1);
  const Real ulp = this->PowerOfHalf(63);  // the step from 1 to the next number up
  EXPECT_NE(one + ulp, one);
  // Half a step is a tie: 1 is even, 1 + ulp is odd.
  EXPECT_EQ(one + this->PowerOfHalf(64), one);
  EXPECT_EQ((one + ulp) + this->PowerOfHalf(64), one + ulp + ulp);
  // Just above half a step rounds up; just below, down.
  EXPECT_EQ(one + (this->PowerOfHalf(64) + this->PowerOfHalf(70)), one + ulp);
  EXPECT_EQ(one + (this->PowerOfHalf(64) - this->PowerOfHalf(70)), one);
  // Each operation is rounded before the next: (1 + 2^-64) - 1 is 0, not 2^-64.
  EXPECT_EQ((one + this->PowerOfHalf(64)) - one, Real(0));
  // A quotient is rounded to nearest: 2/3 is 0.1010... in binary, and what lies past its
  // 64th bit is two thirds of a step, so it rounds up (cut off, this would give 1 + 2^-63).
  EXPECT_EQ((one - Real(2) / Real(3)) * Real(3), one - this->PowerOfHalf(64));
}

TYPED_TEST(ExtendedFloatTest, RoundsHalvesToTheEvenNeighbour) {
  using Real = TypeParam;
  const struct {
    int twice;  // the value times two
    int rounded;
  } halves[] = {{1, 0}, {3, 2}, {5, 2}, {15, 8}, {25, 12}, {35, 18}, {145, 72}, {199, 100}, {0, 0},
                {14, 7}, {-1, 0}, {-3, -2}, {-5, -2}};
  for (const auto& h : halves) {
    const Real value = Real(h.twice) / Real(2);
    EXPECT_EQ(RoundHalfEven(value), h.rounded) << h.twice << " / 2";
    // One step off the half decides it.
    const Real step = this->PowerOfHalf(56);  // a unit or two in the last place here
    if (h.twice > 0 && h.twice % 2 != 0) {
      EXPECT_EQ(RoundHalfEven(Real(value + step)), (h.twice + 1) / 2) << h.twice << " / 2 + step";
      EXPECT_EQ(RoundHalfEven(Real(value - step)), (h.twice - 1) / 2) << h.twice << " / 2 - step";
    }
  }
}

}  // namespace
}  // namespace beditor
