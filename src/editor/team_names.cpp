#include "editor/team_names.h"

#include "core/team_file.h"
#include "qt_adapters/path_text.h"

namespace beditor {

QStringList TeamNames(const std::filesystem::path& teamFolder) {
  QStringList teams;
  // Straight from each name to its text: a team folder may hold thousands of files.
  ForEachTeamName(teamFolder, [&teams](NativeName team) { teams << NameToQString(team); });
  return teams;
}

}  // namespace beditor
