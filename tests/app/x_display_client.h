#pragma once
// A minimal X client for the real-display run: finds windows by title and closes them as a
// window manager does. Xlib stays inside the .cpp: its macros clash with Qt's names.
#include <memory>
#include <string>
#include <vector>

namespace beditor::test {

class XDisplayClient {
 public:
  XDisplayClient();
  ~XDisplayClient();

  bool Open(const std::string& displayName);
  void Close();

  // Mapped top-level windows with exactly this title.
  std::vector<unsigned long> WindowsTitled(const std::string& title);

  // Sends the WM_DELETE_WINDOW message.
  void SendDeleteWindow(unsigned long window);

 private:
  struct Connection;
  std::unique_ptr<Connection> connection_;
};

}  // namespace beditor::test
