#include "roster_tool/update_folders.h"

#include "core/file_access.h"
#include "core/path_utf8.h"
#include "roster_rules/quoted_text.h"

namespace beditor::roster {

std::filesystem::path OtherProgramFolder(const RosterContext& mine, const std::string& name, const char* role) {
  const std::filesystem::path folder = PathFromUtf8(name);
  const std::string named = std::string(role) + " " + Quoted(AbsolutePathText(folder));
  switch (CheckOtherFolder(mine, folder)) {
    case OtherFolderProblem::None: return folder;
    case OtherFolderProblem::NotAFolder: throw UnreadableFolderError(named + " is not a folder");
    case OtherFolderProblem::NoFightersFolder:
      throw UnreadableFolderError(named + " is not a program folder: it has no Fighters folder");
    case OtherFolderProblem::OwnFolder: throw UnreadableFolderError(named + " is the roster's own program folder");
  }
  return folder;
}

}  // namespace beditor::roster
