#pragma once
// Paths stay in the platform's own form; these convert them to and from widget text.
#include <QString>
#include <filesystem>
#include <string>
#include <string_view>

#include "core/path_utf8.h"

namespace beditor {

inline std::filesystem::path ToPath(const QString& text) {
  return std::filesystem::path(text.toStdU16String());
}

// A folder entry's name as widget text. Never fails: a POSIX name that is not UTF-8 (a
// file named by a Windows-1252 program, say) shows replacement characters, where the
// standard library's conversion would throw.
inline QString NameToQString(std::basic_string_view<std::filesystem::path::value_type> name) {
#ifdef _WIN32
  return QString::fromWCharArray(name.data(), static_cast<qsizetype>(name.size()));
#else
  return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
#endif
}

inline QString ToQString(const std::filesystem::path& path) { return NameToQString(path.native()); }

}  // namespace beditor
