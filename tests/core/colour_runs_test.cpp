// The integer rules of the colour runs, checked against the figures the bars and buttons
// must show.
#include <gtest/gtest.h>

#include <climits>

#include "core/colour_runs.h"
#include "core/mul_div.h"

namespace beditor {
namespace {

TEST(MulDivTest, RoundsHalvesAwayFromZeroWithoutOverflow) {
  struct Case {
    int x, y, z, expected;
  };
  const Case cases[] = {
      {1, 1, 2, 1},       {-1, 1, 2, -1},     {1, -1, 2, -1},    {-1, -1, 2, 1},
      {1, 1, -2, -1},     {5, 1, 4, 1},       {7, 1, 4, 2},      {-7, 1, 4, -2},
      {1, -64, 99, -1},   {98, -64, 99, -63}, {99, -64, 99, -64}, {127, 255, 254, 128},
      {INT_MAX, INT_MAX, INT_MAX, INT_MAX},   {INT_MIN, INT_MAX, INT_MAX, INT_MIN},
      {100000, 100000, 1, INT_MAX},           {-100000, 100000, 1, INT_MIN},
      {3, 4, 0, 0},
  };
  for (const Case& c : cases)
    EXPECT_EQ(MulDiv(c.x, c.y, c.z), c.expected) << c.x << " * " << c.y << " / " << c.z;
}

constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kYellow{255, 255, 0};
constexpr Rgb kSilver{192, 192, 192};
constexpr Rgb kGrey{128, 128, 128};

// A 276-pixel bar: area columns 1 .. 273, 255 fill bands.
std::vector<ColourBand> BarFill(int percent) { return StripeBands(1, 273, 255, percent, kRed, kYellow); }

TEST(StripeBandsTest, FillEndsAtTheListedColumns) {
  const std::pair<int, int> lastColumns[] = {{5, 15},   {10, 29},  {25, 70}, {50, 138},
                                             {70, 193}, {85, 233}, {100, 273}};
  for (auto [percent, lastColumn] : lastColumns) {
    const auto bands = BarFill(percent);
    ASSERT_FALSE(bands.empty());
    EXPECT_EQ(bands.back().end - 1, lastColumn) << percent << "%";
    EXPECT_EQ(bands.front().first, 1);
  }
}

TEST(StripeBandsTest, WholeQuotientsAreDecidedInExtendedPrecision) {
  // 20, 40 and 80 per cent run one band past the exact value; 60 per cent does not,
  // because 153 / 255 * 100 comes out slightly above 60.
  const std::pair<int, int> lastBands[] = {{20, 52}, {40, 103}, {60, 153}, {80, 205}};
  for (auto [percent, lastBand] : lastBands)
    EXPECT_EQ(static_cast<int>(BarFill(percent).size()) - 1, lastBand) << percent << "%";
  EXPECT_FALSE(FillEndsAfterBand(51, 255, 20));
  EXPECT_TRUE(FillEndsAfterBand(154, 255, 60));
}

TEST(StripeBandsTest, BandsTileTheAreaAndCarryTheRunColours) {
  const auto fill = BarFill(100);
  ASSERT_EQ(fill.size(), 255u);
  for (size_t i = 1; i < fill.size(); ++i) EXPECT_EQ(fill[i].first, fill[i - 1].end);
  EXPECT_EQ(fill.back().end, 274);
  for (int i : {0, 1, 100, 127, 253, 254})
    EXPECT_EQ(fill[i].colour, (Rgb{255, MulDiv(i, 255, 254), 0})) << "band " << i;
  EXPECT_EQ(fill.back().colour, kYellow);

  const auto teal = StripeBands(1, 273, 255, 100, Rgb{0, 128, 128}, Rgb{0, 255, 0});
  for (int i : {0, 77, 254})
    EXPECT_EQ(teal[i].colour, (Rgb{0, 128 + MulDiv(i, 127, 254), 128 + MulDiv(i, -128, 254)}));

  const auto back = StripeBands(1, 273, 100, 100, kSilver, kGrey);
  ASSERT_EQ(back.size(), 100u);
  EXPECT_EQ(back.front().colour, kSilver);
  EXPECT_EQ(back.back().colour, kGrey);
  EXPECT_EQ(back[50].colour.red, 192 + MulDiv(50, -64, 99));
  EXPECT_EQ(back[1].first, 1 + MulDiv(1, 273, 100));
  EXPECT_EQ(back.back().end, 274);
}

TEST(StripeBandsTest, DegenerateRunsDrawLittleOrNothing) {
  EXPECT_TRUE(StripeBands(1, 273, 1, 100, kRed, kYellow).empty());
  EXPECT_TRUE(StripeBands(1, 0, 255, 100, kRed, kYellow).empty());
  EXPECT_TRUE(StripeBands(1, -2, 255, 100, kRed, kYellow).empty());
  // Zero per cent still shows the first two bands: band 0 never ends the fill.
  EXPECT_EQ(BarFill(0).size(), 2u);
  // More steps than columns: one column per band.
  const auto narrow = StripeBands(1, 3, 255, 100, kRed, kYellow);
  ASSERT_EQ(narrow.size(), 3u);
  EXPECT_EQ(narrow[1], (ColourBand{2, 3, Rgb{255, 128, 0}}));
  EXPECT_EQ(narrow[2].colour, kYellow);
}

TEST(VerticalRunBandsTest, NormalButtonGreyLevels) {
  const int greys[] = {62, 60, 57, 55, 53, 51, 48, 46, 44, 41, 39, 37, 34, 32,
                       30, 28, 25, 23, 21, 18, 16, 14, 11, 9,  7,  5,  2,  0};
  const auto bands = VerticalRunBands(28, 32, Rgb{62, 62, 62}, Rgb{0, 0, 0});
  ASSERT_EQ(bands.size(), 28u);
  for (int row = 0; row < 28; ++row)
    EXPECT_EQ(bands[row], (ColourBand{row, row + 1, Rgb{greys[row], greys[row], greys[row]}}));
}

TEST(VerticalRunBandsTest, CountsHeightsAndRemainder) {
  const Rgb top{221, 159, 56}, bottom{234, 226, 187};
  // Taller than the colour count: 32 bands of 2 rows, the 6 rows left get the bottom colour.
  const auto tall = VerticalRunBands(70, 32, top, bottom);
  ASSERT_EQ(tall.size(), 33u);
  EXPECT_EQ(tall[0], (ColourBand{0, 2, top}));
  EXPECT_EQ(tall[31], (ColourBand{62, 64, bottom}));
  EXPECT_EQ(tall[32], (ColourBand{64, 70, bottom}));
  EXPECT_EQ(tall[16].colour, RunColour(top, bottom, 16, 32));

  // At least two colours: one row high means no whole band, only the bottom colour.
  EXPECT_EQ(VerticalRunBands(1, 32, top, bottom), (std::vector<ColourBand>{{0, 1, bottom}}));
  EXPECT_EQ(VerticalRunBands(3, 1, top, bottom),
            (std::vector<ColourBand>{{0, 1, top}, {1, 2, bottom}, {2, 3, bottom}}));
  EXPECT_EQ(VerticalRunBands(28, 32, top, top), (std::vector<ColourBand>{{0, 28, top}}));
  EXPECT_TRUE(VerticalRunBands(0, 32, top, bottom).empty());
}

}  // namespace
}  // namespace beditor
