#pragma once
// Helpers of the agreement tests: the x87's long double and the software type compared
// value for value.
#include <gtest/gtest.h>

#include <string>

#include "core/extended_float.h"

namespace beditor::test {

// Exact: both types have a 64-bit significand.
inline SoftwareExtended AsSoftware(HardwareExtended value) { return SoftwareExtended(value); }

inline ::testing::AssertionResult SameValue(HardwareExtended hardware, const SoftwareExtended& software) {
  if (AsSoftware(hardware) == software) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "hardware " << AsSoftware(hardware).str(25)
                                       << ", software " << software.str(25);
}

#define BEDITOR_SKIP_WITHOUT_HARDWARE_EXTENDED()                                        \
  if (!::beditor::kLongDoubleIsExtended)                                               \
  GTEST_SKIP() << "long double has no 64-bit significand here: only the software type " \
                  "exists, and the program's figures are checked on it by the other tests"

}  // namespace beditor::test
