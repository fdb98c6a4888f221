#include "roster_rules/other_program_folder.h"

namespace beditor::roster {

OtherFolderProblem CheckOtherFolder(const RosterContext& mine, const std::filesystem::path& folder) {
  std::error_code error;
  if (!std::filesystem::is_directory(folder, error)) return OtherFolderProblem::NotAFolder;
  if (!std::filesystem::is_directory(folder / "Fighters", error)) return OtherFolderProblem::NoFightersFolder;
  if (std::filesystem::equivalent(folder, mine.folder, error)) return OtherFolderProblem::OwnFolder;
  return OtherFolderProblem::None;
}

RosterSnapshot ReadOtherSnapshot(const RosterContext& mine, const std::filesystem::path& folder) {
  const RosterContext other{folder, mine.game, mine.out, mine.err, false};
  return ReadSnapshot(other);
}

}  // namespace beditor::roster
