#include "core/file_access.h"

#include <system_error>

namespace beditor {

std::string ReadWholeFile(const std::filesystem::path& path, ReadSharing sharing) {
  std::string bytes;
  bytes.resize(ReadWholeFileInto(
      path,
      [&bytes](std::size_t size) {
        bytes.resize(size);
        return bytes.data();
      },
      sharing));
  return bytes;
}

bool EndsInAnyCase(NativeName name, std::string_view ending) {
  if (name.size() < ending.size()) return false;
  const auto folded = [](unsigned c) { return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c; };
  const NativeName tail = name.substr(name.size() - ending.size());
  for (std::size_t i = 0; i < ending.size(); ++i)
    if (folded(static_cast<unsigned>(tail[i])) != folded(static_cast<unsigned char>(ending[i]))) return false;
  return true;
}

std::vector<std::filesystem::path> ListFolder(const std::filesystem::path& folder,
                                              const std::string& pattern) {
  std::vector<std::filesystem::path> names;
  ForEachInFolder(folder, pattern, [&names](NativeName name) { names.emplace_back(name); });
  return names;
}

std::string TrimSystemText(std::string text) {
  while (!text.empty()) {
    const auto last = static_cast<unsigned char>(text.back());
    if (last > ' ' && last != '.') break;
    text.pop_back();
  }
  return text;
}

std::string AbsolutePathText(const std::filesystem::path& path) {
  std::error_code error;
  std::filesystem::path absolute = std::filesystem::absolute(path, error);
  if (error) absolute = path;
  const auto text = absolute.lexically_normal().u8string();
  return std::string(text.begin(), text.end());
}

bool IsSameFile(const std::filesystem::path& a, const std::filesystem::path& b) {
  std::error_code error;
  const bool same = std::filesystem::equivalent(a, b, error);
  return !error && same;
}

}  // namespace beditor
