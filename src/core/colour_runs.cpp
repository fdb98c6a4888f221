#include "core/colour_runs.h"

#include <algorithm>

#include "core/extended_float.h"
#include "core/fill_stop_formula.h"
#include "core/mul_div.h"

namespace beditor {

namespace {

int Component(int from, int to, int index, int count) {
  return from + MulDiv(index, to - from, count - 1);
}

}  // namespace

Rgb RunColour(Rgb from, Rgb to, int index, int count) {
  return {Component(from.red, to.red, index, count),
          Component(from.green, to.green, index, count),
          Component(from.blue, to.blue, index, count)};
}

// The fill's stop rule was drawn for 64-bit-significand arithmetic: with plain doubles some
// fills (60 per cent of 255 bands) end one band later.
bool FillEndsAfterBand(int index, int bandCount, int percentFilling) {
  return FillEndsAfterBandIn<Extended>(index, bandCount, percentFilling);
}

std::vector<ColourBand> StripeBands(int left, int width, int steps, int percentFilling, Rgb from,
                                    Rgb to) {
  std::vector<ColourBand> bands;
  if (steps <= 1 || width <= 0) return bands;
  const int count = std::min(steps, width);
  for (int index = 0; index < count; ++index) {
    bands.push_back({left + MulDiv(index, width, count), left + MulDiv(index + 1, width, count),
                     RunColour(from, to, index, count)});
    if (FillEndsAfterBand(index, count, percentFilling)) break;
  }
  return bands;
}

std::vector<ColourBand> VerticalRunBands(int height, int colourCount, Rgb top, Rgb bottom) {
  std::vector<ColourBand> bands;
  if (height <= 0) return bands;
  if (top == bottom) {
    bands.push_back({0, height, top});
    return bands;
  }
  const int count = std::max(2, std::min(colourCount, height));
  const int bandHeight = height / count;
  if (bandHeight > 0) {
    for (int index = 0; index < count; ++index)
      bands.push_back({index * bandHeight, (index + 1) * bandHeight,
                       RunColour(top, bottom, index, count)});
  }
  if (count * bandHeight < height) bands.push_back({count * bandHeight, height, bottom});
  return bands;
}

}  // namespace beditor
