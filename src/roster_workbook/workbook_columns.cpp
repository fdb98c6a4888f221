#include "roster_workbook/workbook_columns.h"

#include <algorithm>

#include "core/fighter_layout.h"
#include "roster_rules/roster_columns.h"

namespace beditor::roster {

bool IsNumberColumn(std::size_t column) {
  if (column == 0) return false;  // the file
  const std::size_t field = column - 1;
  if (field >= record::kFields.size()) return field < record::kFields.size() + kRatingColumns.size();
  return record::kFields[field].kind == record::FieldKind::Ability ||
         record::kFields[field].field == record::Field::SherdogId;
}

bool IsPlainInteger(std::string_view text) {
  if (text == "0") return true;
  if (text.starts_with('-')) text.remove_prefix(1);
  if (text.empty() || text.size() > 15 || text.front() == '0') return false;
  return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string ColumnLetters(std::size_t column) {
  std::string letters;
  for (std::size_t rest = column + 1; rest > 0; rest = (rest - 1) / 26)
    letters.insert(letters.begin(), static_cast<char>('A' + (rest - 1) % 26));
  return letters;
}

std::string CellName(std::size_t column, int row) { return ColumnLetters(column) + std::to_string(row); }

}  // namespace beditor::roster
