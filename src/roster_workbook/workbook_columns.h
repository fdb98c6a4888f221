#pragma once
// The roster's columns as a workbook types them: the CSV's columns (roster_columns.h), each
// either text or a number. A number column's cell is a number cell where its text is a plain
// integer that a spreadsheet keeps digit for digit; any other text (a file may hold anything
// on an ability's line) stays text, so that it comes back as it was.
#include <cstddef>
#include <string>
#include <string_view>

namespace beditor::roster {

// By position in ExportHeader(): the abilities, the Sherdog ID and the ratings.
bool IsNumberColumn(std::size_t column);

// "0", "7", "-12": no sign but a minus, no leading zero, no "-0", at most 15 digits (a
// spreadsheet's numbers hold 15 digits exactly).
bool IsPlainInteger(std::string_view text);

// "A", "Z", "AA" … for a column from 0; "C5" for a cell.
std::string ColumnLetters(std::size_t column);
std::string CellName(std::size_t column, int row);

}  // namespace beditor::roster
