// Windows: names are UTF-16 text, compared without regard to case.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include "core/file_names.h"
#include "core/path_utf8.h"

namespace beditor {

std::string NameToUtf8(NativeName name) { return PathToUtf8(std::filesystem::path(name)); }

bool IsWindows1252Name(NativeName) { return false; }

std::filesystem::path RelativePathFromUtf8(const std::filesystem::path&, std::string_view relative) {
  return PathFromUtf8(relative);
}

std::string FileSystemNameKey(std::string_view utf8) {
  const int size = static_cast<int>(utf8.size());
  const int wideSize = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), size, nullptr, 0);
  // Not text: no name of the file system, and so no other text's.
  if (wideSize <= 0) return std::string(utf8);
  std::wstring wide(static_cast<std::size_t>(wideSize), L'\0');
  MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), size, wide.data(), wideSize);
  // Upper case without LCMAP_LINGUISTIC_CASING is the file system's: the same for every
  // language, one letter for one.
  std::wstring upper(wide.size(), L'\0');
  const int upperSize = LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_UPPERCASE, wide.data(), wideSize, upper.data(),
                                      wideSize, nullptr, nullptr, 0);
  if (upperSize <= 0) return std::string(utf8);
  upper.resize(static_cast<std::size_t>(upperSize));
  return PathToUtf8(std::filesystem::path(upper));
}

bool NamesTwoEntries(const std::filesystem::path&, std::string_view) { return false; }

}  // namespace beditor
