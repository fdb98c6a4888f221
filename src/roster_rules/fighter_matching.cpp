#include "roster_rules/fighter_matching.h"

#include <string>
#include <unordered_map>

namespace beditor::roster {
namespace {

constexpr std::size_t kIdentifier = record::RowOf(record::Field::SherdogId);
constexpr std::size_t kNone = static_cast<std::size_t>(-1);

// Each identifier a roster gives to one fighter only, with that fighter; "0" and an empty
// line name no one.
std::unordered_map<std::string, std::size_t> UniqueIdentifiers(const RosterSnapshot& roster) {
  std::unordered_map<std::string, std::size_t> holders;
  FighterView scratch;
  for (std::size_t i = 0; i < roster.fighters.size(); ++i) {
    std::string id = roster.fighters[i].Line(kIdentifier, scratch);
    if (id.empty() || id == "0") continue;
    const auto [holder, added] = holders.try_emplace(std::move(id), i);
    if (!added) holder->second = kNone;
  }
  return holders;
}

}  // namespace

std::vector<FighterPair> MatchFighters(const RosterSnapshot& mine, const RosterSnapshot& theirs) {
  std::unordered_map<std::string_view, std::size_t> places;
  places.reserve(mine.fighters.size());
  for (std::size_t i = 0; i < mine.fighters.size(); ++i) places.emplace(mine.fighters[i].file.cell, i);

  std::vector<FighterPair> pairs(theirs.fighters.size());
  std::vector<bool> matched(mine.fighters.size(), false);
  for (std::size_t i = 0; i < theirs.fighters.size(); ++i) {
    pairs[i].theirs = i;
    if (const auto place = places.find(theirs.fighters[i].file.cell); place != places.end()) {
      pairs[i].mine = place->second;
      matched[place->second] = true;
    }
  }
  // By identifier only once every place has been matched: a place always wins.
  const auto mineIds = UniqueIdentifiers(mine);
  const auto theirIds = UniqueIdentifiers(theirs);
  for (const auto& [id, theirsIndex] : theirIds) {
    if (theirsIndex == kNone || pairs[theirsIndex].mine) continue;
    const auto holder = mineIds.find(id);
    if (holder == mineIds.end() || holder->second == kNone || matched[holder->second]) continue;
    pairs[theirsIndex].mine = holder->second;
    matched[holder->second] = true;
  }
  for (std::size_t i = 0; i < mine.fighters.size(); ++i)
    if (!matched[i]) pairs.push_back({i, std::nullopt});
  return pairs;
}

}  // namespace beditor::roster
