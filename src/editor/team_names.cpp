#include "editor/team_names.h"

#include <algorithm>

#include "core/file_access.h"
#include "qt_adapters/path_text.h"

namespace beditor {

QStringList TeamNames(const std::filesystem::path& teamFolder) {
  QStringList teams;
  // Straight from each name to its text: a team folder may hold thousands of files.
  ForEachInFolder(teamFolder, "*.txt", [&teams](NativeName name) {
    teams << NameToQString(name.substr(0, name.size() - std::min<std::size_t>(name.size(), 4)));
  });
  return teams;
}

}  // namespace beditor
