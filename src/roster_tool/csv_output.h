#pragma once
// Where `export` and `rate --csv` write: standard output, or a file named with -o.
#include <array>
#include <memory>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>
#include <string_view>

#include "roster_rules/roster_context.h"

namespace beditor::roster {

class CsvOutput {
 public:
  // An empty name is standard output. Throws BEditorError for a file no export may replace
  // (CheckExportTarget).
  CsvOutput(const RosterContext& context, const std::string& fileName);
  std::ostream& Stream() { return file_ ? *file_ : out_; }
  // A file named is replaced whole, as a fighter file is saved: a failure leaves the former
  // file as it was. Throws BEditorError when not everything could be written.
  void Finish();

 private:
  std::ostream& out_;
  std::string fileName_;
  std::optional<std::ostringstream> file_;  // the file's bytes, until Finish
};

// Records built cell by cell in one buffer, which goes to the stream in large blocks: a
// roster's export makes no string per cell or per row, and writes no row on its own.
class CsvRecordWriter {
 public:
  CsvRecordWriter(std::ostream& out, char separator);
  CsvRecordWriter(const CsvRecordWriter&) = delete;
  CsvRecordWriter& operator=(const CsvRecordWriter&) = delete;

  // As WriteCsvRecord writes the cell, after the separator unless it starts the record.
  void Cell(std::string_view cell);
  void Cell(int number);
  void EmptyCells(std::size_t count);
  void EndRecord();
  // Hands what is buffered to the stream; call before Finish() of the output.
  void Flush();

 private:
  // Room for `size` more bytes, the buffer written out first where needed.
  char* Room(std::size_t size);

  std::ostream& out_;
  char separator_;
  std::array<unsigned char, 256> rules_;  // CsvQuotingRules
  bool recordStarted_ = false;
  std::unique_ptr<char[]> buffer_;
  std::size_t used_ = 0;
  std::string quotedCell_;
};

// "," or ";", from --separator.
char SeparatorFromOption(const std::string& option);

}  // namespace beditor::roster
