#pragma once
// Paths made from UTF-8 text, the same way on every platform.
#include <filesystem>
#include <string>
#include <string_view>

namespace beditor {

inline std::filesystem::path PathFromUtf8(std::string_view utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

// The path as UTF-8 text, for messages and CSV cells.
inline std::string PathToUtf8(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

}  // namespace beditor
