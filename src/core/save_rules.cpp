#include "core/save_rules.h"

#include "core/file_access.h"

namespace beditor::record {

void ZeroFillEmptyLines(LineList& lines) {
  for (int line = 0; line <= kLastZeroFilled; ++line)
    if (lines.LineAt(line).empty()) lines.ReplaceLine(line, "0");
}

void RemoveFormerFile(const std::filesystem::path& former) { RemoveFileOrThrow(former); }

}  // namespace beditor::record
