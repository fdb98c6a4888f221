#pragma once
// Paths stay in the platform's own form; these convert them to and from widget text.
#include <QString>
#include <filesystem>

namespace beditor {

inline std::filesystem::path ToPath(const QString& text) {
  return std::filesystem::path(text.toStdU16String());
}

inline QString ToQString(const std::filesystem::path& path) {
  return QString::fromStdU16String(path.u16string());
}

}  // namespace beditor
