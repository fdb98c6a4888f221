#include "editor/team_file_name.h"

namespace beditor {

bool IsPlainFileName(const QString& name) {
  if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..")) return false;
  // The characters Windows refuses in names, refused everywhere so fighter folders copy
  // between systems.
  for (const QChar c : name) {
    if (c.unicode() < 0x20 || QStringLiteral("<>:\"/\\|?*").contains(c)) return false;
  }
  return true;
}

}  // namespace beditor
