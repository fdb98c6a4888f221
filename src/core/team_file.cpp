#include "core/team_file.h"

#include <string>

#include "core/file_access.h"
#include "core/file_errors.h"
#include "core/file_names.h"
#include "core/line_list.h"
#include "core/team_file_name.h"

namespace beditor {

std::optional<std::filesystem::path> TeamFilePath(const std::filesystem::path& programFolder, std::string_view team) {
  if (!IsPlainFileName(team)) return std::nullopt;
  // A team file whose name is Windows-1252 (from a zip made on Windows) is that team's too.
  const auto teamFolder = programFolder / "Team";
  return teamFolder / RelativePathFromUtf8(teamFolder, std::string(team) + ".txt");
}

std::optional<std::filesystem::path> MissingTeamFile(const std::filesystem::path& programFolder,
                                                     std::string_view team) {
  auto path = TeamFilePath(programFolder, team);
  if (path && IsExistingFile(*path)) path.reset();
  return path;
}

void ForEachTeamName(const std::filesystem::path& teamFolder, const std::function<void(NativeName team)>& each) {
  static constexpr std::string_view kEnding = ".txt";
  try {
    ForEachNameEndingIn(teamFolder, kEnding,
                        [&each](NativeName name) { each(name.substr(0, name.size() - kEnding.size())); });
  } catch (const FolderListError&) {
    // The box shows the teams there are; the editor opens either way.
  }
}

void WriteNewTeamFile(const std::filesystem::path& path) { LineList({"0", "0", "0"}).SaveLines(path); }

}  // namespace beditor
