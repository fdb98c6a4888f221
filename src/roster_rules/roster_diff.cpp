#include "roster_rules/roster_diff.h"

#include "roster_rules/fighter_view.h"

namespace beditor::roster {
RosterDiff DiffRosters(const RosterSnapshot& mine, const RosterSnapshot& theirs, const ChoiceLists& lists) {
  RosterDiff diff;
  FighterView mineView, theirView;
  for (const FighterPair& pair : MatchFighters(mine, theirs)) {
    FighterDifference difference;
    difference.pair = pair;
    if (!pair.mine || !pair.theirs) {
      diff.fighters.push_back(std::move(difference));
      continue;
    }
    const SnapshotFighter& own = mine.fighters[*pair.mine];
    const SnapshotFighter& their = theirs.fighters[*pair.theirs];
    difference.moved = own.file.cell != their.file.cell;
    difference.unreadable = own.unreadable || their.unreadable;
    if (!difference.unreadable && own.bytes != their.bytes) {
      mineView.Load(own.bytes);
      theirView.Load(their.bytes);
      for (std::size_t field = 0; field < record::kFields.size(); ++field) {
        const auto line = static_cast<std::size_t>(record::kFields[field].line);
        if (mineView.recordLines[line] == theirView.recordLines[line]) continue;
        difference.fields.push_back({field, ExportCell(mineView, lists, field), ExportCell(theirView, lists, field)});
      }
    }
    if (difference.moved || difference.unreadable || !difference.fields.empty())
      diff.fighters.push_back(std::move(difference));
  }
  for (const auto& [team, file] : theirs.teamFiles)
    if (!mine.teamFiles.count(team)) diff.newTeams.push_back(file);
  for (const auto& [team, file] : mine.teamFiles)
    if (!theirs.teamFiles.count(team)) diff.ownTeams.push_back(file);
  return diff;
}

}  // namespace beditor::roster
