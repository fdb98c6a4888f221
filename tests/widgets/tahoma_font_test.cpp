// The start-up's font configuration read on its worker and Tahoma's installation on the main
// thread: the installation waits for a read handed out before it, even one not yet started.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "widgets/tahoma_font.h"

namespace beditor {
namespace {

TEST(TahomaFont, InstallingWaitsForTheConfigurationReadHandedOutBeforeIt) {
  const auto reading = FontConfigurationReading();
  std::atomic<bool> readStarted{false};
  // The worker starts its read late, as a busy machine may start the thread.
  std::thread worker([&reading, &readStarted] {
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    readStarted = true;
    reading();
  });
  InstallTahoma();
  EXPECT_TRUE(readStarted) << "Tahoma was installed while the configuration read had not begun";
  worker.join();

  // A read that never runs (no thread to be had) holds nothing up.
  { const auto dropped = FontConfigurationReading(); }
  InstallTahoma();
}

}  // namespace
}  // namespace beditor
