// The bar fill's stop rule in the x87's long double and in the software type agrees on
// every band of every run a bar can draw, at every fill.
#include <gtest/gtest.h>

#include "core/fill_stop_formula.h"
#include "extended_agreement.h"

namespace beditor {
namespace {

::testing::AssertionResult AgreeOnEveryBandAndFill(int bandCount) {
  for (int index = 0; index < bandCount; ++index)
    for (int percent = 0; percent <= 100; ++percent)
      if (FillEndsAfterBandIn<HardwareExtended>(index, bandCount, percent) !=
          FillEndsAfterBandIn<SoftwareExtended>(index, bandCount, percent))
        return ::testing::AssertionFailure()
               << "band " << index << " of " << bandCount << " at " << percent << "%";
  return ::testing::AssertionSuccess();
}

// A bar's run has min(steps, area width) bands, and steps are 1 .. 255 (the evaluation
// window's bars use 255 for the fill and 100 for the background over 273 columns), so
// these counts are every run any bar can draw.
TEST(FillStopAgreement, EveryRunABarCanDraw) {
  BEDITOR_SKIP_WITHOUT_HARDWARE_EXTENDED();
  for (int bandCount = 1; bandCount <= 255; ++bandCount)
    ASSERT_TRUE(AgreeOnEveryBandAndFill(bandCount));
}

// Counts no bar reaches today, should the steps ever be allowed above 255.
TEST(FillStopAgreement, LongerRuns) {
  BEDITOR_SKIP_WITHOUT_HARDWARE_EXTENDED();
  for (int bandCount = 256; bandCount <= 1024; bandCount += 61)
    ASSERT_TRUE(AgreeOnEveryBandAndFill(bandCount));
}

}  // namespace
}  // namespace beditor
