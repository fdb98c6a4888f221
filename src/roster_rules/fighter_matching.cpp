#include "roster_rules/fighter_matching.h"

#include <string>

#include "core/windows_1252.h"
#include <unordered_map>

namespace beditor::roster {
namespace {

constexpr std::size_t kIdentifier = record::RowOf(record::Field::SherdogId);
constexpr std::size_t kNone = static_cast<std::size_t>(-1);

// A fighter's identifier, or nothing for a placeholder.
std::string IdentifierOf(const SnapshotFighter& fighter, FighterView& scratch) {
  std::string id = fighter.Line(kIdentifier, scratch);
  return IsFighterIdentifier(id) ? id : std::string();
}

// The file's name without its folder, its ASCII letters in lower case: the editor moves a
// fighter to another category under the same name, and a copy made on Windows may change the
// name's case.
std::string NameKey(const FighterFile& file) {
  const std::string name = file.Name();
  // A fighter's name is Windows-1252 text: its letters are folded there ("PEÑA" is "peña").
  std::optional<std::string> key = Utf8ToWindows1252(name);
  if (!key) return name;
  for (char& c : *key) {
    const auto byte = static_cast<unsigned char>(c);
    if ((byte >= 'A' && byte <= 'Z') || (byte >= 0xC0 && byte <= 0xDE && byte != 0xD7))
      c = static_cast<char>(byte + 0x20);
    else if (byte == 0x8A || byte == 0x8C || byte == 0x8E)  // Š Œ Ž
      c = static_cast<char>(byte + 0x10);
    else if (byte == 0x9F)  // Ÿ
      c = static_cast<char>(0xFF);
  }
  return *key;
}

// The full name's line, which a fighter moved to another category keeps.
std::string FullNameOf(const SnapshotFighter& fighter, FighterView& scratch) {
  return fighter.Line(record::RowOf(record::Field::FullName), scratch);
}

// Each name key that one fighter only of those not yet matched has, with that fighter.
std::unordered_map<std::string, std::size_t> UniqueNames(const RosterSnapshot& roster,
                                                         const std::vector<bool>& matched) {
  std::unordered_map<std::string, std::size_t> holders;
  for (std::size_t i = 0; i < roster.fighters.size(); ++i) {
    if (matched[i]) continue;
    const auto [holder, added] = holders.try_emplace(NameKey(roster.fighters[i].file), i);
    if (!added) holder->second = kNone;
  }
  return holders;
}

std::vector<std::string> Identifiers(const RosterSnapshot& roster) {
  std::vector<std::string> ids;
  ids.reserve(roster.fighters.size());
  FighterView scratch;
  for (const SnapshotFighter& fighter : roster.fighters) ids.push_back(IdentifierOf(fighter, scratch));
  return ids;
}

// Each identifier a roster gives to one fighter only, with that fighter.
std::unordered_map<std::string, std::size_t> UniqueIdentifiers(const std::vector<std::string>& ids) {
  std::unordered_map<std::string, std::size_t> holders;
  for (std::size_t i = 0; i < ids.size(); ++i) {
    if (ids[i].empty()) continue;
    const auto [holder, added] = holders.try_emplace(ids[i], i);
    if (!added) holder->second = kNone;
  }
  return holders;
}

}  // namespace

bool IsFighterIdentifier(std::string_view line) {
  return !line.empty() && line.front() >= '1' && line.front() <= '9' &&
         line.find_first_not_of("0123456789") == std::string_view::npos;
}

std::vector<FighterPair> MatchFighters(const RosterSnapshot& mine, const RosterSnapshot& theirs) {
  const auto mineIds = Identifiers(mine);
  const auto theirIds = Identifiers(theirs);
  std::unordered_map<std::string_view, std::size_t> places;
  places.reserve(mine.fighters.size());
  for (std::size_t i = 0; i < mine.fighters.size(); ++i) places.emplace(mine.fighters[i].file.cell, i);

  std::vector<FighterPair> pairs(theirs.fighters.size());
  std::vector<bool> matched(mine.fighters.size(), false);
  for (std::size_t i = 0; i < theirs.fighters.size(); ++i) {
    pairs[i].theirs = i;
    const auto place = places.find(theirs.fighters[i].file.cell);
    if (place == places.end()) continue;
    // Two identifiers that differ are two fighters, whatever their files are called.
    if (!mineIds[place->second].empty() && !theirIds[i].empty() && mineIds[place->second] != theirIds[i]) continue;
    pairs[i].mine = place->second;
    matched[place->second] = true;
  }
  // By identifier only once every place has been matched: a place always wins.
  const auto mineHolders = UniqueIdentifiers(mineIds);
  for (const auto& [id, theirsIndex] : UniqueIdentifiers(theirIds)) {
    if (theirsIndex == kNone || pairs[theirsIndex].mine) continue;
    const auto holder = mineHolders.find(id);
    if (holder == mineHolders.end() || holder->second == kNone || matched[holder->second]) continue;
    pairs[theirsIndex].mine = holder->second;
    matched[holder->second] = true;
  }
  // By file name last, among the fighters still unmatched on both sides: most files carry no
  // identifier ("0"), and a fighter moved to another category keeps its name and its full name.
  // One with an identifier would have been found by it; two full names are two fighters.
  std::vector<bool> theirsMatched(theirs.fighters.size());
  for (std::size_t i = 0; i < theirs.fighters.size(); ++i) theirsMatched[i] = pairs[i].mine.has_value();
  const auto mineNames = UniqueNames(mine, matched);
  for (const auto& [name, theirsIndex] : UniqueNames(theirs, theirsMatched)) {
    if (theirsIndex == kNone) continue;
    const auto holder = mineNames.find(name);
    if (holder == mineNames.end() || holder->second == kNone) continue;
    if (!mineIds[holder->second].empty() || !theirIds[theirsIndex].empty()) continue;
    FighterView scratch;
    if (FullNameOf(mine.fighters[holder->second], scratch) != FullNameOf(theirs.fighters[theirsIndex], scratch))
      continue;
    pairs[theirsIndex].mine = holder->second;
    pairs[theirsIndex].byName = true;
    matched[holder->second] = true;
  }
  for (std::size_t i = 0; i < mine.fighters.size(); ++i)
    if (!matched[i]) pairs.push_back({i, std::nullopt});
  return pairs;
}

}  // namespace beditor::roster
