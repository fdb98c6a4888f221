#pragma once
// The bare baseline of the roster benchmarks: every fighter file of a program folder opened,
// read and closed.
#include <cstddef>
#include <filesystem>

namespace beditor::bench {

// Lists each category folder and opens, reads and closes every file in it: what any tool
// that looks at every fighter must do at least. The bytes read.
std::size_t ReadPass(const std::filesystem::path& programFolder);

}  // namespace beditor::bench
