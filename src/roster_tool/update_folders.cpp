#include "roster_tool/update_folders.h"

#include "core/file_access.h"
#include "core/path_utf8.h"
#include "roster_rules/quoted_text.h"
#include "roster_rules/roster_files.h"

namespace beditor::roster {

std::filesystem::path OtherProgramFolder(const RosterContext& mine, const std::string& name, const char* role) {
  const std::filesystem::path folder = PathFromUtf8(name);
  std::error_code error;
  if (!std::filesystem::is_directory(folder, error))
    throw UnreadableFolderError(std::string(role) + " " + Quoted(AbsolutePathText(folder)) + " is not a folder");
  if (!std::filesystem::is_directory(folder / "Fighters", error))
    throw UnreadableFolderError(std::string(role) + " " + Quoted(AbsolutePathText(folder)) +
                                " is not a program folder: it has no Fighters folder");
  if (std::filesystem::equivalent(folder, mine.folder, error))
    throw UnreadableFolderError(std::string(role) + " " + Quoted(AbsolutePathText(folder)) +
                                " is the roster's own program folder");
  return folder;
}

RosterSnapshot ReadOtherSnapshot(const RosterContext& mine, const std::filesystem::path& folder) {
  const RosterContext other{folder, mine.game, mine.out, mine.err, false};
  return ReadSnapshot(other);
}

}  // namespace beditor::roster
