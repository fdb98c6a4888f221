#pragma once
// Changing some lines of a file while every other byte stays as it was.
#include <map>
#include <string>
#include <string_view>

namespace beditor::roster {

// `bytes` with the lines of `replacements` (indices from 0, lines split as LineList splits
// them) replaced. Every other byte is kept: line ends of any kind, a last line without one,
// anything after a NUL. A line past the end is added with CR LF, the lines before it padded
// with "0" as a load pads them.
std::string ReplaceLinesKeepingBytes(std::string_view bytes, const std::map<int, std::string>& replacements);

}  // namespace beditor::roster
