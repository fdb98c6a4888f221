#pragma once
// The first sheet of a spreadsheet workbook (.xlsx), as Excel, LibreOffice and our own
// export write it: its cells by row and column, each with its type. Read through minizip and
// expat, every part within a size limit, so that a file far larger than a roster, or a small
// one that unpacks to a huge one, is refused with bounded memory.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "roster_workbook/workbook_errors.h"

namespace beditor::roster {

struct WorkbookCell {
  enum class Kind {
    Text,     // a text cell, or a true/false one ("TRUE", "FALSE")
    Number,   // an integer as its digits ("7", not "7.0"); any other number as the file writes it
    Date,     // a number shown as a date or a time
    Error,    // an error value ("#DIV/0!")
    NoValue,  // a formula whose value was never worked out (no spreadsheet saved it)
  };
  std::size_t column = 0;  // from 0
  Kind kind = Kind::Text;
  bool formula = false;    // the text is a formula's value, as the sheet shows it
  std::string text;        // UTF-8
};

struct WorkbookRow {
  int row = 0;  // from 1, as the sheet numbers it
  std::vector<WorkbookCell> cells;  // by column
};

struct WorkbookSheet {
  std::vector<WorkbookRow> rows;  // the rows that hold a cell, in order
};

// Throws WorkbookReadError.
WorkbookSheet ReadFirstSheet(std::string_view workbookBytes);

// The largest workbook file the import reads: many times a large roster's.
inline constexpr std::size_t kLargestWorkbookFile = 64 * 1024 * 1024;

}  // namespace beditor::roster
