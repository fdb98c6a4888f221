#include "roster_workbook/workbook_writer.h"

#include <xlsxwriter.h>

#include <algorithm>
#include <charconv>
#include <random>

#include "core/file_access.h"
#include "core/path_utf8.h"
#include "roster_rules/roster_columns.h"
#include "roster_workbook/workbook_columns.h"

namespace beditor::roster {
namespace {

// Wide enough for most names, narrow enough that one long cell does not push the rest away.
constexpr std::size_t kWidestColumn = 50;
// The header's filter button takes about this many characters of its cell.
constexpr std::size_t kFilterButton = 3;
// The longest text a spreadsheet's cell holds, in characters.
constexpr std::size_t kLongestCellText = 32767;

std::size_t CharacterCount(std::string_view utf8) {
  return static_cast<std::size_t>(
      std::count_if(utf8.begin(), utf8.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

void Check(lxw_error error, const std::string& what) {
  if (error != LXW_NO_ERROR) throw WorkbookWriteError(what + ": " + lxw_strerror(error));
}

// The same for a cell: its name is made only when needed.
void CheckCell(lxw_error error, std::uint16_t column, std::uint32_t row) {
  if (error != LXW_NO_ERROR) Check(error, "cell " + CellName(column, static_cast<int>(row) + 1));
}

std::filesystem::path PrivateFileName() {
  std::random_device random;
  const auto tag = std::to_string(random()) + std::to_string(random());
  return std::filesystem::temp_directory_path() / ("beditor-roster-" + tag + ".xlsx");
}

bool IsHex(char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f'); }

// Spreadsheets read "_xHHHH_" in a cell's text as an escaped character (libxlsxwriter writes
// control characters so); a text that holds such a sequence itself has its "_" escaped.
bool HoldsEscapeLikeText(std::string_view text, std::size_t at) {
  return text.size() - at >= 7 && text[at] == '_' && text[at + 1] == 'x' && IsHex(text[at + 2]) &&
         IsHex(text[at + 3]) && IsHex(text[at + 4]) && IsHex(text[at + 5]) && text[at + 6] == '_';
}

}  // namespace

RosterWorkbookWriter::RosterWorkbookWriter() : file_(PrivateFileName()) {
  lxw_workbook_options options{};
  // Rows go to the file as they are written: the roster is never held whole, and its texts
  // are inline strings, with no table of shared strings to build.
  options.constant_memory = LXW_TRUE;
  const std::string name = PathToUtf8(file_);
  workbook_ = workbook_new_opt(name.c_str(), &options);
  if (!workbook_) throw WorkbookWriteError("cannot start a workbook in " + PathToUtf8(file_.parent_path()));
  sheet_ = workbook_add_worksheet(workbook_, "Roster");
  lxw_format* bold = workbook_add_format(workbook_);
  format_set_bold(bold);
  // Text columns keep the "Text" format, so that what the player types there later stays
  // text too ("007" is not made 7).
  textFormat_ = workbook_add_format(workbook_);
  format_set_num_format(textFormat_, "@");

  const std::vector<std::string> header = ExportHeader();
  widths_.resize(header.size());
  for (const std::string& title : header) {
    widths_[column_] = CharacterCount(title) + kFilterButton;
    Check(worksheet_write_string(sheet_, 0, column_++, title.c_str(), bold), "header");
  }
  worksheet_freeze_panes(sheet_, 1, 0);
  EndRow();
}

RosterWorkbookWriter::~RosterWorkbookWriter() {
  if (workbook_) {
    workbook_close(workbook_);
    RemoveFile(file_);
  }
}

void RosterWorkbookWriter::Text(std::string_view text) {
  escaped_.clear();
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (HoldsEscapeLikeText(text, i)) escaped_ += "_x005F";
    escaped_ += text[i];
  }
  widths_[column_] = std::max(widths_[column_], CharacterCount(text));
  const lxw_error error = worksheet_write_string(sheet_, row_, column_, escaped_.c_str(),
                                                 IsNumberColumn(column_) ? nullptr : textFormat_);
  if (error == LXW_ERROR_MAX_STRING_LENGTH_EXCEEDED)
    throw WorkbookWriteError("cell " + CellName(column_, static_cast<int>(row_) + 1) + ": " +
                             std::to_string(CharacterCount(text)) +
                             " characters are more than a spreadsheet cell holds (" + std::to_string(kLongestCellText) + ")");
  CheckCell(error, column_, row_);
}

void RosterWorkbookWriter::Cell(std::string_view text) {
  if (column_ >= widths_.size()) throw WorkbookWriteError("a row with more cells than the roster has columns");
  if (!text.empty()) {
    if (IsNumberColumn(column_) && IsPlainInteger(text)) {
      long long number = 0;
      std::from_chars(text.data(), text.data() + text.size(), number);
      widths_[column_] = std::max(widths_[column_], text.size());
      CheckCell(worksheet_write_number(sheet_, row_, column_, static_cast<double>(number), nullptr), column_, row_);
    } else {
      Text(text);
    }
  }
  ++column_;
}

void RosterWorkbookWriter::Cell(int number) {
  char digits[16];
  const auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
  Cell(std::string_view(digits, static_cast<std::size_t>(end - digits)));
}

void RosterWorkbookWriter::EmptyCells(std::size_t count) {
  column_ = static_cast<std::uint16_t>(column_ + count);
}

void RosterWorkbookWriter::EndRow() {
  ++row_;
  column_ = 0;
}

std::string RosterWorkbookWriter::Finish() {
  for (std::size_t column = 0; column < widths_.size(); ++column) {
    const auto col = static_cast<lxw_col_t>(column);
    worksheet_set_column(sheet_, col, col, static_cast<double>(std::min(widths_[column], kWidestColumn) + 1),
                         IsNumberColumn(column) ? nullptr : textFormat_);
  }
  worksheet_autofilter(sheet_, 0, 0, row_ > 1 ? row_ - 1 : 1, static_cast<lxw_col_t>(widths_.size() - 1));
  lxw_workbook* workbook = workbook_;
  workbook_ = nullptr;
  const lxw_error error = workbook_close(workbook);
  std::string bytes;
  try {
    Check(error, "cannot write the workbook");
    bytes = ReadWholeFile(file_);
  } catch (...) {
    RemoveFile(file_);
    throw;
  }
  RemoveFile(file_);
  return bytes;
}

}  // namespace beditor::roster
