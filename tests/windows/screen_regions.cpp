#include "screen_regions.h"

#include <cstdio>

#include "resources/editor_layout.h"
#include "resources/evaluation_layout.h"

namespace beditor::test {
namespace {

// Around each control: its focus frame and the few pixels a style may draw outside it.
constexpr int kMargin = 3;
// A caption's line: 11-pixel type, with room for its descenders and its outline.
constexpr int kCaptionHeight = 18;

Rect Grown(Rect rect) {
  return {rect.left - kMargin, rect.top - kMargin, rect.width + 2 * kMargin, rect.height + 2 * kMargin};
}

}  // namespace

std::vector<Rect> EditorControlAreas() {
  std::vector<Rect> areas;
  for (const auto& box : layout::kTextBoxes) {
    areas.push_back(Grown({box.left, box.top, box.width, box.height}));
    // A caption above spans the box's width; one on the left the room before the box.
    if (box.side == layout::LabelSide::Above)
      areas.push_back(Grown({box.left, box.top - kCaptionHeight, box.width, kCaptionHeight}));
    else
      areas.push_back(Grown({box.left - 120, box.top, 120, box.height}));
  }
  for (const auto& box : layout::kAbilityBoxes) {
    areas.push_back(Grown({box.left, box.top, layout::kAbilityWidth, layout::kAbilityHeight}));
    areas.push_back(Grown({box.labelLeft, box.labelTop - 2, box.left - box.labelLeft, kCaptionHeight}));
  }
  for (const auto& box : layout::kChoiceBoxes) {
    areas.push_back(Grown({box.left, box.top, box.width, box.height}));
    areas.push_back(Grown({box.labelLeft, box.labelTop - 2, box.left - box.labelLeft, kCaptionHeight}));
  }
  for (const auto& button : layout::kCommandButtons)
    areas.push_back(Grown({button.left, button.top, button.width, layout::kCommandButtonHeight}));
  const auto& flag = layout::kLanguageFlag;
  areas.push_back(Grown({flag.left, flag.top, flag.width, flag.height}));
  return areas;
}

std::vector<Rect> CommandButtonBands() {
  std::vector<Rect> bands;
  // The caption is centred: its 11-pixel type keeps to the middle rows, with its accents.
  constexpr int kEdgeRows = 6;
  for (const auto& button : layout::kCommandButtons) {
    bands.push_back({button.left, button.top, button.width, kEdgeRows});
    bands.push_back({button.left, button.top + layout::kCommandButtonHeight - kEdgeRows, button.width, kEdgeRows});
  }
  return bands;
}

std::vector<Rect> RatingBarBands() {
  std::vector<Rect> bands;
  // The caption with its outline takes the other rows; the colour runs are upright, so one
  // row shows the whole fill.
  constexpr int kEdgeRows = 1;
  for (const auto& bar : evaluation_layout::kRatingBars) {
    // Inside the one-pixel frame, which has the system's shadow colour.
    bands.push_back({bar.left + 1, bar.top + 1, bar.width - 2, kEdgeRows});
    bands.push_back({bar.left + 1, bar.top + bar.height - 1 - kEdgeRows, bar.width - 2, kEdgeRows});
  }
  return bands;
}

std::optional<WindowPicture> ClientArea(const WindowPicture& window, int clientWidth, int clientHeight) {
  const int frame = (window.width - clientWidth) / 2;
  const int top = window.height - clientHeight - frame;
  if (frame < 0 || window.width != clientWidth + 2 * frame || top < frame) return std::nullopt;
  WindowPicture client;
  client.width = clientWidth;
  client.height = clientHeight;
  for (int y = top; y < top + clientHeight; ++y)
    for (int x = frame; x < frame + clientWidth; ++x) client.rgb.push_back(window.At(x, y));
  return client;
}

Differences Compare(const WindowPicture& a, const WindowPicture& b, const std::function<bool(int, int)>& included) {
  Differences differences;
  for (int y = 0; y < a.height && y < b.height; ++y)
    for (int x = 0; x < a.width && x < b.width; ++x) {
      if (!included(x, y)) continue;
      ++differences.compared;
      if (a.At(x, y) == b.At(x, y)) continue;
      if (differences.differing++ == 0) {
        char text[96];
        std::snprintf(text, sizeof text, "(%d, %d): #%06x against #%06x", x, y, a.At(x, y), b.At(x, y));
        differences.first = text;
      }
    }
  return differences;
}

}  // namespace beditor::test
