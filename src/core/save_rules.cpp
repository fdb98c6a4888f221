#include "core/save_rules.h"

namespace beditor::record {

void ZeroFillEmptyLines(LineList& lines) {
  for (int line = 0; line <= kLastZeroFilled; ++line)
    if (lines.LineAt(line).empty()) lines.ReplaceLine(line, "0");
}

}  // namespace beditor::record
