#pragma once
// Paths stay in the platform's own form; these convert them to and from widget text.
#include <QString>
#include <filesystem>
#include <string>

namespace beditor {

inline std::filesystem::path ToPath(const QString& text) {
  return std::filesystem::path(text.toStdU16String());
}

// A path from UTF-8 text, on every platform.
inline std::filesystem::path PathFromUtf8(const std::string& utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

inline QString ToQString(const std::filesystem::path& path) {
  return QString::fromStdU16String(path.u16string());
}

}  // namespace beditor
