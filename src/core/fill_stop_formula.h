#pragma once
// The bar fill's stop rule, for either 64-bit-significand type: the program runs it in
// Extended, and a test runs the hardware and the software type through it to show they agree.
#include "core/extended_float.h"

namespace beditor {

// percentFilling < index / bandCount * 100, each operation rounded on its own.
template <typename Real>
bool FillEndsAfterBandIn(int index, int bandCount, int percentFilling) {
  const Real share = Real(index) / Real(bandCount);
  const Real percent = share * Real(100);
  return Real(percentFilling) < percent;
}

}  // namespace beditor
