#pragma once
// The integer rules of the painted colour runs: which pixel columns or rows each band
// covers and which colour it has. Plain functions, so they are checked without a screen.
#include <vector>

namespace beditor {

struct Rgb {
  int red = 0;
  int green = 0;
  int blue = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

// One band of a run: pixels first .. end - 1 (columns or rows) in one colour.
struct ColourBand {
  int first = 0;
  int end = 0;
  Rgb colour;
  friend bool operator==(const ColourBand&, const ColourBand&) = default;
};

// Colour of band `index` of `count`: each component From + MulDiv(index, To - From, count - 1),
// so the first band has `from` and the last `to`. A run of one band has `from`.
Rgb RunColour(Rgb from, Rgb to, int index, int count);

// True when a fill of `percentFilling` per cent ends with band `index` of `bandCount`:
// percentFilling < index / bandCount * 100, evaluated in 64-bit-significand precision.
bool FillEndsAfterBand(int index, int bandCount, int percentFilling);

// Vertical stripes over columns left .. left + width - 1, the colour running from `from` at
// the left edge to `to` at the right edge in min(steps, width) bands. Only the bands up to
// where the fill ends are returned; none when steps <= 1 or the area is empty.
std::vector<ColourBand> StripeBands(int left, int width, int steps, int percentFilling, Rgb from,
                                    Rgb to);

// Horizontal bands over rows 0 .. height - 1, from `top` at the top to `bottom` at the
// bottom, with at most `colourCount` colours; rows left below the last whole band get
// `bottom`. Equal colours give one band over the whole height.
std::vector<ColourBand> VerticalRunBands(int height, int colourCount, Rgb top, Rgb bottom);

}  // namespace beditor
