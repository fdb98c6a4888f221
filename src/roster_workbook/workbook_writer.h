#pragma once
// The roster as a spreadsheet workbook (.xlsx): one sheet with the CSV's columns and rows,
// each cell typed (text columns as text cells, never run as formulas; number columns as
// numbers where they are plain integers), the header row bold and frozen, with an
// autofilter, the columns as wide as their texts. Written by libxlsxwriter.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "roster_workbook/workbook_errors.h"

struct lxw_workbook;
struct lxw_worksheet;
struct lxw_format;

namespace beditor::roster {

class RosterWorkbookWriter {
 public:
  // Starts the workbook, its header row written (ExportHeader()). Throws WorkbookWriteError.
  RosterWorkbookWriter();
  ~RosterWorkbookWriter();
  RosterWorkbookWriter(const RosterWorkbookWriter&) = delete;
  RosterWorkbookWriter& operator=(const RosterWorkbookWriter&) = delete;

  // The row's next cell, UTF-8. Throws WorkbookWriteError (a text longer than a cell holds).
  void Cell(std::string_view text);
  void Cell(int number);
  void EmptyCells(std::size_t count);
  void EndRow();

  // The workbook's bytes. Throws WorkbookWriteError.
  std::string Finish();

 private:
  void Text(std::string_view text);

  std::filesystem::path file_;  // where libxlsxwriter puts it, a private temporary file
  lxw_workbook* workbook_ = nullptr;
  lxw_worksheet* sheet_ = nullptr;
  lxw_format* textFormat_ = nullptr;
  std::vector<std::size_t> widths_;  // in characters, by column
  std::string escaped_;
  std::uint32_t row_ = 0;
  std::uint16_t column_ = 0;
};

}  // namespace beditor::roster
