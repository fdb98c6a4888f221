#include "roster/csv_output.h"

#include <charconv>

#include "core/csv.h"
#include "core/path_utf8.h"

namespace beditor::roster {

CsvOutput::CsvOutput(const RosterContext& context, const std::string& fileName)
    : out_(context.out), fileName_(fileName) {
  if (fileName.empty()) return;
  file_.emplace(PathFromUtf8(fileName), std::ios::binary | std::ios::trunc);
  if (!*file_) throw BEditorError("cannot create \"" + fileName + "\"");
}

void CsvOutput::Finish() {
  Stream().flush();
  if (file_) file_->close();
  if (!Stream()) throw BEditorError("cannot write \"" + (fileName_.empty() ? std::string("standard output") : fileName_) + "\"");
}

namespace {

// Large enough that the stream writes it through in one call, small enough to stay in cache.
constexpr std::size_t kWriteBlock = 64 * 1024;

}  // namespace

CsvRecordWriter::CsvRecordWriter(std::ostream& out, char separator) : out_(out), separator_(separator) {
  buffer_.reserve(kWriteBlock + 4096);
}

void CsvRecordWriter::Cell(std::string_view cell) {
  if (recordStarted_) buffer_ += separator_;
  recordStarted_ = true;
  AppendCsvCell(buffer_, cell, separator_);
}

void CsvRecordWriter::Cell(int number) {
  char digits[16];
  const auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
  Cell(std::string_view(digits, static_cast<std::size_t>(end - digits)));
}

void CsvRecordWriter::EmptyCells(std::size_t count) {
  for (std::size_t i = 0; i < count; ++i) Cell(std::string_view());
}

void CsvRecordWriter::EndRecord() {
  buffer_ += "\r\n";
  recordStarted_ = false;
  if (buffer_.size() >= kWriteBlock) Flush();
}

void CsvRecordWriter::Flush() {
  out_.write(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
  buffer_.clear();
}

char SeparatorFromOption(const std::string& option) { return option == ";" ? ';' : ','; }

}  // namespace beditor::roster
