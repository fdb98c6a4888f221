#include "editor/team_names.h"

#include "core/file_names.h"
#include "core/team_file.h"
#include "qt_adapters/path_text.h"

namespace beditor {

QStringList TeamNames(const std::filesystem::path& teamFolder) {
  QStringList teams;
  // Straight from each name to its text: a team folder may hold thousands of files. A name
  // that is not UTF-8 is read as Windows-1252, as the team line that names it is.
  ForEachTeamName(teamFolder, [&teams](NativeName team) {
    teams << (IsWindows1252Name(team) ? QString::fromStdString(NameToUtf8(team)) : NameToQString(team));
  });
  return teams;
}

}  // namespace beditor
