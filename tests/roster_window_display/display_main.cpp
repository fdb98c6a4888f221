// The real-display test's own start: an Xvfb server on the first free display, and the
// toolkit on it through its X11 platform. Without Xvfb the test is skipped.
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <cstdlib>
#include <string>

#include "desktop/leak_suppressions.h"
#include "widgets/tahoma_font.h"

extern char** environ;

namespace {

// Starts Xvfb writing its display number to a pipe; its process id, or -1.
pid_t StartXvfb(std::string& display) {
  const char* xvfb = "/usr/bin/Xvfb";
  if (access(xvfb, X_OK) != 0) return -1;
  int pipe[2];
  if (::pipe(pipe) != 0) return -1;
  const std::string fd = std::to_string(pipe[1]);
  const char* arguments[] = {xvfb, "-displayfd", fd.c_str(), "-screen", "0", "1280x800x24", "-nolisten", "tcp", nullptr};
  pid_t pid = -1;
  if (posix_spawn(&pid, xvfb, nullptr, nullptr, const_cast<char**>(arguments), environ) != 0) pid = -1;
  ::close(pipe[1]);
  char buffer[32] = {};
  const ssize_t got = pid > 0 ? ::read(pipe[0], buffer, sizeof buffer - 1) : -1;
  ::close(pipe[0]);
  if (got <= 0) {
    if (pid > 0) ::kill(pid, SIGTERM);
    return -1;
  }
  display = ":" + std::string(buffer, static_cast<std::size_t>(got));
  while (!display.empty() && (display.back() == '\n' || display.back() == ' ')) display.pop_back();
  return pid;
}

}  // namespace

int main(int argc, char** argv) {
  // Listing the tests needs no server.
  bool listing = false;
  for (int i = 1; i < argc; ++i) listing = listing || std::string(argv[i]) == "--gtest_list_tests";
  std::string display;
  const pid_t xvfb = listing ? -1 : StartXvfb(display);
  if (xvfb > 0) {
    setenv("DISPLAY", display.c_str(), 1);
    setenv("QT_QPA_PLATFORM", "xcb", 1);
  } else {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
  }
  int result = 0;
  {
    QApplication application(argc, argv);
    beditor::InstallTahoma();
    ::testing::InitGoogleTest(&argc, argv);
    result = RUN_ALL_TESTS();
  }
  if (xvfb > 0) {
    ::kill(xvfb, SIGTERM);
    ::waitpid(xvfb, nullptr, 0);
  }
  return result;
}
