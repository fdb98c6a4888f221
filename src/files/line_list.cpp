#include "files/line_list.h"

#include <cstring>

#include "files/file_errors.h"
#include "files/file_access.h"

namespace beditor {

std::vector<std::string> SplitLines(std::string_view bytes) {
  // Nothing from the first NUL on takes part.
  if (const auto nul = bytes.find('\0'); nul != std::string_view::npos) bytes = bytes.substr(0, nul);

  std::vector<std::string> lines;
  const char* at = bytes.data();
  const char* const end = at + bytes.size();
  while (at != end) {
    const char* stop = at;
    while (stop != end && *stop != '\r' && *stop != '\n') ++stop;
    lines.emplace_back(at, stop);
    at = stop;
    if (at != end && *at == '\r') ++at;
    if (at != end && *at == '\n') ++at;
  }
  return lines;
}

std::string JoinLines(const std::vector<std::string>& lines) {
  std::size_t size = 0;
  for (const auto& line : lines) size += line.size() + 2;
  std::string bytes;
  bytes.reserve(size);
  for (const auto& line : lines) {
    bytes += line;
    bytes += "\r\n";
  }
  return bytes;
}

void LineList::LoadLines(const std::filesystem::path& path) {
  lines_ = SplitLines(ReadWholeFile(path));
}

void LineList::SaveLines(const std::filesystem::path& path) const {
  ReplaceFileContents(path, JoinLines(lines_));
}

void LineList::CheckIndex(int index) const {
  if (index < 0 || index >= LineCount()) throw ListIndexError(index);
}

const std::string& LineList::LineAt(int index) const {
  CheckIndex(index);
  return lines_[static_cast<std::size_t>(index)];
}

void LineList::ReplaceLine(int index, std::string text) {
  CheckIndex(index);
  lines_[static_cast<std::size_t>(index)] = std::move(text);
}

int LineList::AppendLine(std::string text) {
  lines_.push_back(std::move(text));
  return LineCount() - 1;
}

}  // namespace beditor
