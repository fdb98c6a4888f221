#pragma once
// The parts of the editor's and the evaluation window's client areas that the program
// paints itself, from the windows' layout tables: there the Windows build must show the
// same pixels as the Linux build. Text is left out (the two systems draw type differently),
// and so are the standard controls (each system draws its own).
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "x_display_client.h"

namespace beditor::test {

struct Rect {
  int left = 0, top = 0, width = 0, height = 0;
  bool Contains(int x, int y) const { return x >= left && x < left + width && y >= top && y < top + height; }
};

// Every control of the editor window with its caption, and a margin around it. The rest of
// the client area is the background picture.
std::vector<Rect> EditorControlAreas();

// The rows of each gradient command button above and below its caption.
std::vector<Rect> CommandButtonBands();

// The inside of each rating bar above and below its caption: the first and the last row.
std::vector<Rect> RatingBarBands();

struct Differences {
  int compared = 0;
  int differing = 0;
  std::string first;  // the first differing pixel, for the failure message
};

// The client area of a window whose frame is drawn around it inside the picture (by Wine,
// for a window it does not hand to a window manager): a frame of equal width on the left,
// the right and the bottom, and the title above. Nothing when the sizes do not fit that.
std::optional<WindowPicture> ClientArea(const WindowPicture& window, int clientWidth, int clientHeight);

// Compares the pixels of `a` and `b` (of the same size) where `included` holds.
Differences Compare(const WindowPicture& a, const WindowPicture& b, const std::function<bool(int, int)>& included);

}  // namespace beditor::test
