// POSIX: a name is bytes, compared as they are.
#include <sys/stat.h>

#include "core/file_names.h"
#include "core/windows_1252.h"

namespace beditor {

std::string NameToUtf8(NativeName name) {
  return IsWindows1252Name(name) ? Windows1252ToUtf8(name) : std::string(name);
}

bool IsWindows1252Name(NativeName name) { return !IsValidUtf8(name); }

std::filesystem::path RelativePathFromUtf8(const std::filesystem::path& folder, std::string_view relative) {
  // Plain ASCII, almost every name, is the same bytes either way.
  if (IsPlainAscii(relative)) return std::string(relative);
  const auto exists = [&folder](const std::string& below) {
    struct stat info {};
    return ::lstat((folder / below).c_str(), &info) == 0;
  };
  std::string found;
  for (std::size_t start = 0;;) {
    const std::size_t slash = relative.find('/', start);
    const std::string_view part = relative.substr(start, slash - start);
    const std::size_t before = found.size();
    found.append(part);
    if (!IsPlainAscii(part) && !exists(found)) {
      // Bytes that are UTF-8 are read as such, never as Windows-1252: they are some other
      // text's own name.
      const auto bytes = Utf8ToWindows1252(part);
      if (bytes && !IsValidUtf8(*bytes)) {
        found.resize(before);
        found.append(*bytes);
        if (!exists(found)) found.replace(before, std::string::npos, part);
      }
    }
    if (slash == std::string_view::npos) return found;
    found.push_back('/');
    start = slash + 1;
  }
}

bool NamesTwoEntries(const std::filesystem::path& folder, std::string_view relative) {
  if (IsPlainAscii(relative)) return false;
  const auto exists = [](const std::filesystem::path& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0;
  };
  std::filesystem::path below = folder;
  for (std::size_t start = 0;;) {
    const std::size_t slash = relative.find('/', start);
    const std::string part(relative.substr(start, slash - start));
    if (!IsPlainAscii(part)) {
      const auto bytes = Utf8ToWindows1252(part);
      if (bytes && !IsValidUtf8(*bytes) && exists(below / part) && exists(below / *bytes)) return true;
    }
    if (slash == std::string_view::npos) return false;
    below /= RelativePathFromUtf8(below, part);
    start = slash + 1;
  }
}

std::string FileSystemNameKey(std::string_view utf8) { return std::string(utf8); }

}  // namespace beditor
