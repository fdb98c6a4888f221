#pragma once
// "files done of total" on one updating line of standard error, once a command has run for
// about a second; a terminal only, so redirected messages hold no carriage returns.
#include <chrono>
#include <cstddef>
#include <ostream>
#include <string>

namespace beditor::roster {

class ProgressLine {
 public:
  ProgressLine(std::ostream& err, bool enabled, std::string what, std::size_t total);
  ~ProgressLine();
  ProgressLine(const ProgressLine&) = delete;
  ProgressLine& operator=(const ProgressLine&) = delete;

  void Done(std::size_t done);
  // Clears the line, so that messages written next start on a clean one.
  void Clear();

 private:
  using Clock = std::chrono::steady_clock;
  std::ostream& err_;
  bool enabled_;
  std::string what_;
  std::size_t total_;
  Clock::time_point start_;
  Clock::time_point lastShown_{};
  std::size_t shownWidth_ = 0;
};

}  // namespace beditor::roster
