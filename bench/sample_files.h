#pragma once
// Files the benchmarks work on, made once per run in a temporary folder removed at exit.
#include <cstddef>
#include <filesystem>
#include <string>

namespace beditor::bench {

// How a sample text file breaks its lines.
enum class LineShape { CrLf, Lf, OneLine };

inline constexpr std::size_t kKilobyte = 1024;
inline constexpr std::size_t kMegabyte = 1024 * 1024;

// Line lengths, line break included, of the many-lines shapes: typical lines of text, from
// 10 to 70 bytes in an irregular order, 40 on average.
inline constexpr std::size_t kShortestSampleLine = 10;
inline constexpr std::size_t kLongestSampleLine = 70;

const char* ShapeName(LineShape shape);
std::string SizeName(std::size_t bytes);

// `size` bytes of text in the given shape; the last line is cut short to fit. One line:
// text with a CR LF at the very end.
std::string SampleText(LineShape shape, std::size_t size);

// The benchmarks' temporary folder.
const std::filesystem::path& WorkFolder();

// A file holding SampleText(shape, size), written on first use.
const std::filesystem::path& SampleFile(LineShape shape, std::size_t size);

}  // namespace beditor::bench
