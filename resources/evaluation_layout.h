#pragma once
// Layout of the evaluation window: client size, design title and the six rating bars with
// their places, design captions, fill colours and the caption-table lines that replace the
// captions.
#include <array>

namespace beditor::evaluation_layout {

constexpr int kClientWidth = 294;
constexpr int kClientHeight = 148;
constexpr const char* kDesignTitle = "Form2";
constexpr int kTitleLine = 78;

struct Colour {
  int red, green, blue;
};

struct RatingBarLayout {
  const char* name;
  int left, top, width, height;
  const char* caption;
  Colour from, to;
  int captionLine;
};

constexpr Colour kRed{255, 0, 0};
constexpr Colour kYellow{255, 255, 0};
constexpr Colour kTeal{0, 128, 128};
constexpr Colour kLime{0, 255, 0};

// In the order the ratings are written and the captions replaced.
constexpr std::array<RatingBarLayout, 6> kRatingBars = {{
    {"gGround", 9, 8, 276, 20, "Ground", kRed, kYellow, 79},
    {"gStriking", 9, 28, 276, 20, "Striking", kRed, kYellow, 80},
    {"gDefense", 9, 48, 276, 20, "Defense", kRed, kYellow, 81},
    {"gFitness", 9, 68, 276, 20, "Fitness", kRed, kYellow, 82},
    {"gMental", 9, 88, 276, 20, "Mental", kRed, kYellow, 83},
    {"gOverall", 9, 117, 276, 20, "Overall", kTeal, kLime, 84},
}};

}  // namespace beditor::evaluation_layout
