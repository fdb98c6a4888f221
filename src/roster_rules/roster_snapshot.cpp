#include "roster_rules/roster_snapshot.h"

#include "core/path_utf8.h"
#include "core/file_access.h"
#include "core/file_errors.h"

namespace beditor::roster {

std::string SnapshotFighter::Line(std::size_t field, FighterView& scratch) const {
  if (unreadable) return {};
  scratch.Load(bytes);
  return std::string(scratch.recordLines[static_cast<std::size_t>(record::kFields[field].line)]);
}

RosterSnapshot ReadSnapshot(const RosterContext& context) {
  RosterFiles listed = ListRoster(context);
  RosterSnapshot snapshot;
  snapshot.folder = context.folder;
  snapshot.unlisted = std::move(listed.unlisted);
  snapshot.fighters.reserve(listed.files.size());
  FighterReader reader(context);
  for (FighterFile& file : listed.files) {
    SnapshotFighter& fighter = snapshot.fighters.emplace_back();
    fighter.file = std::move(file);
    try {
      fighter.bytes.assign(reader.Bytes(fighter.file));
    } catch (const BEditorError& error) {
      fighter.unreadable = error.what();
    }
  }
  try {
    ForEachNameEndingIn(context.folder / "Team", ".txt", [&snapshot](NativeName name) {
      const std::string file = PathToUtf8(std::filesystem::path(name));
      snapshot.teamFiles.emplace(file.substr(0, file.size() - 4), file);
    });
  } catch (const FolderListError&) {
    // No Team folder: no team files.
  }
  return snapshot;
}

}  // namespace beditor::roster
