#include "core/fighter_record.h"

namespace beditor::record {

LineList FreshRecord() {
  std::vector<std::string> lines(kFreshLineCount);
  for (int line : kAbilityLines) lines[static_cast<std::size_t>(line)].push_back('1');
  return LineList(std::move(lines));
}

void NormaliseLoadedLines(LineList& lines) {
  while (lines.LineCount() < kLoadedLineCount) lines.AppendLine("0");
  if (lines.LineView(kFightStyle) == "3") lines.ReplaceLine(kFightStyle, "2");
}

}  // namespace beditor::record
