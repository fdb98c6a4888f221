#include "support/named_pipe.h"

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <future>
#include <stdexcept>
#include <thread>

namespace beditor::test {

void MakeNamedPipe(const std::filesystem::path& path) {
  if (::mkfifo(path.c_str(), 0600) != 0) throw std::runtime_error("cannot make the pipe " + path.string());
}

bool ReturnsWithoutAWriter(const std::filesystem::path& path, const std::function<void()>& read) {
  std::promise<void> returned;
  std::atomic<bool> released{false};
  std::thread rescuer([&path, &released, done = returned.get_future()] {
    if (done.wait_for(std::chrono::seconds(10)) == std::future_status::ready) return;
    // A reader waiting in its open counts as a reader: a writer that does not wait gets in.
    const int writer = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (writer >= 0) ::close(writer);
    released = true;
  });
  try {
    read();
  } catch (...) {
    returned.set_value();
    rescuer.join();
    throw;
  }
  returned.set_value();
  rescuer.join();
  return !released;
}

}  // namespace beditor::test
#endif
