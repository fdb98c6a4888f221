#pragma once
// Whether a team's name can name its own file inside the Team folder.
#include <QString>

namespace beditor {

// False for names with a path separator or a character a file system refuses in a name,
// and for "." and "..": such a team gets no team file.
bool IsPlainFileName(const QString& name);

}  // namespace beditor
