#pragma once
// Whether a team's name can name its own file inside the Team folder.
#include <string_view>

namespace beditor {

// False for names no file system of the players could hold as "<name>.txt": empty, "." and
// "..", a path separator or another character Windows refuses in names, a trailing dot or
// blank, and Windows' device names (CON, PRN, AUX, NUL, COM1-9, LPT1-9, in any case, also
// before a dot). Such a team gets no team file. The name is UTF-8.
bool IsPlainFileName(std::string_view name);

}  // namespace beditor
