#include "roster_workbook/number_formats.h"

namespace beditor::roster {

bool IsBuiltInDateFormat(int id) {
  // 14-22: dates and times; 45-47: times; 27-36 and 50-58: the East Asian dates.
  return (id >= 14 && id <= 22) || (id >= 27 && id <= 36) || (id >= 45 && id <= 47) || (id >= 50 && id <= 58);
}

bool IsDateFormatCode(std::string_view code) {
  // Letters that are shown as they are do not count: quoted text, an escaped character, a
  // bracketed colour, condition or locale, and the character after "_" or "*" (spacing, fill).
  for (std::size_t i = 0; i < code.size(); ++i) {
    const char c = code[i];
    if (c == '"') {
      const std::size_t end = code.find('"', i + 1);
      if (end == std::string_view::npos) return false;
      i = end;
    } else if (c == '[') {
      const std::size_t end = code.find(']', i + 1);
      if (end == std::string_view::npos) return false;
      i = end;
    } else if (c == '\\' || c == '_' || c == '*') {
      ++i;
    } else {
      switch (c | 0x20) {  // in either case
        case 'd': case 'm': case 'y': case 'h': case 's': return true;
        default: break;
      }
    }
  }
  return false;
}

}  // namespace beditor::roster
