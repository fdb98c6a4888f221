#pragma once
// A minimal X client for the real-display runs: finds windows by title, reads their pixels
// and closes them as a window manager does. Xlib stays inside the .cpp: its macros clash with Qt's names.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace beditor::test {

// One picture of a window's icon as the window manager reads it (_NET_WM_ICON): unassociated
// ARGB, row by row.
struct IconPicture {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> argb;
};

// A window's pixels as the screen shows them: 0xRRGGBB, row by row.
struct WindowPicture {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> rgb;
  std::uint32_t At(int x, int y) const { return rgb[static_cast<std::size_t>(y * width + x)]; }
};

class XDisplayClient {
 public:
  XDisplayClient();
  ~XDisplayClient();

  bool Open(const std::string& displayName);
  void Close();

  // Mapped top-level windows with exactly this title.
  std::vector<unsigned long> WindowsTitled(const std::string& title);

  // The pictures of the window's icon; none when it has no icon of its own.
  std::vector<IconPicture> WindowIcon(unsigned long window);

  // What the window shows now; empty when it is gone.
  WindowPicture WindowImage(unsigned long window);

  // Sends the WM_DELETE_WINDOW message.
  void SendDeleteWindow(unsigned long window);

 private:
  struct Connection;
  std::unique_ptr<Connection> connection_;
};

}  // namespace beditor::test
