#include "editor/fighter_record.h"

namespace beditor::record {

LineList FreshRecord() {
  std::vector<std::string> lines(kFreshLineCount);
  for (int line : kAbilityLines) lines[static_cast<std::size_t>(line)].push_back('1');
  return LineList(std::move(lines));
}

}  // namespace beditor::record
