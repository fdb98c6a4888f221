#include "roster_rules/field_merge.h"

namespace beditor::roster {

FighterMerge MergeFighter(const FighterView& base, const FighterView& mine, const FighterView& theirs) {
  FighterMerge merge{};
  for (std::size_t row = 0; row < record::kFields.size(); ++row) {
    const auto line = static_cast<std::size_t>(record::kFields[row].line);
    merge[row] = MergeField(base.recordLines[line], mine.recordLines[line], theirs.recordLines[line]);
  }
  return merge;
}

}  // namespace beditor::roster
