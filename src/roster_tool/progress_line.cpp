#include "roster_tool/progress_line.h"

#include <algorithm>

namespace beditor::roster {

ProgressLine::ProgressLine(std::ostream& err, bool enabled, std::string what, std::size_t total)
    : err_(err), enabled_(enabled), what_(std::move(what)), total_(total), start_(Clock::now()) {}

ProgressLine::~ProgressLine() { Clear(); }

void ProgressLine::Done(std::size_t done) {
  if (!enabled_) return;
  const auto now = Clock::now();
  if (now - start_ < std::chrono::seconds(1)) return;
  if (shownWidth_ > 0 && now - lastShown_ < std::chrono::milliseconds(100) && done != total_) return;
  lastShown_ = now;
  const std::string text = what_ + ": " + std::to_string(done) + " of " + std::to_string(total_) + " files";
  err_ << '\r' << text;
  if (text.size() < shownWidth_) err_ << std::string(shownWidth_ - text.size(), ' ');
  err_ << std::flush;
  shownWidth_ = std::max(shownWidth_, text.size());
}

void ProgressLine::Clear() {
  if (shownWidth_ == 0) return;
  err_ << '\r' << std::string(shownWidth_, ' ') << '\r' << std::flush;
  shownWidth_ = 0;
}

}  // namespace beditor::roster
