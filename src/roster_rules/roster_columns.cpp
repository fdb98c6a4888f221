#include "roster_rules/roster_columns.h"

#include "core/fighter_layout.h"

namespace beditor::roster {

std::vector<std::string> ExportHeader() {
  std::vector<std::string> header = {kFileColumn};
  for (const auto& field : record::kFields) header.emplace_back(field.column);
  header.insert(header.end(), kRatingColumns.begin(), kRatingColumns.end());
  return header;
}

}  // namespace beditor::roster
