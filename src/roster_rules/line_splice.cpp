#include "roster_rules/line_splice.h"

#include <algorithm>
#include <vector>

namespace beditor::roster {

std::string ReplaceLinesKeepingBytes(std::string_view bytes, const std::map<int, std::string>& replacements) {
  // The text ends at the first NUL, as for a load.
  const std::size_t textEnd = std::min(bytes.find('\0'), bytes.size());
  struct Span {
    std::size_t start, end;  // the line's text, without its line end
  };
  std::vector<Span> lines;
  std::size_t start = 0;
  for (std::size_t at = 0; at < textEnd;) {
    const char c = bytes[at];
    if (c != '\r' && c != '\n') {
      ++at;
      continue;
    }
    lines.push_back({start, at});
    at += c == '\r' && at + 1 < textEnd && bytes[at + 1] == '\n' ? 2 : 1;
    start = at;
  }
  const bool lastLineEnded = start == textEnd;
  if (!lastLineEnded) lines.push_back({start, textEnd});

  std::string result;
  result.reserve(bytes.size() + 64);
  std::size_t copied = 0;
  for (const auto& [index, text] : replacements) {
    if (index < 0 || static_cast<std::size_t>(index) >= lines.size()) continue;
    const Span& line = lines[static_cast<std::size_t>(index)];
    result.append(bytes.substr(copied, line.start - copied));
    result += text;
    copied = line.end;
  }
  result.append(bytes.substr(copied, textEnd - copied));

  const int lastIndex = replacements.empty() ? -1 : replacements.rbegin()->first;
  // A last line without a line end that becomes empty would vanish: it gets one.
  const bool lastEmptied = !lastLineEnded && lastIndex == static_cast<int>(lines.size()) - 1 &&
                           replacements.rbegin()->second.empty();
  if (lastEmptied) result += "\r\n";
  if (lastIndex >= static_cast<int>(lines.size())) {
    if (!lastLineEnded) result += "\r\n";
    for (int index = static_cast<int>(lines.size()); index <= lastIndex; ++index) {
      const auto replacement = replacements.find(index);
      result += replacement == replacements.end() ? std::string("0") : replacement->second;
      result += "\r\n";
    }
  }
  result.append(bytes.substr(textEnd));
  return result;
}

}  // namespace beditor::roster
