#include "roster_tool/csv_output.h"

#include <charconv>
#include <cstring>

#include "core/csv.h"
#include "core/file_access.h"
#include "core/path_utf8.h"
#include "roster_rules/export_target.h"

namespace beditor::roster {

CsvOutput::CsvOutput(const RosterContext& context, const std::string& fileName)
    : out_(context.out), fileName_(fileName) {
  if (fileName.empty()) return;
  CheckExportTarget(context.folder, PathFromUtf8(fileName));
  file_.emplace(std::ios::out | std::ios::binary);
}

void CsvOutput::Finish() {
  if (file_) {
    if (!*file_) throw BEditorError("cannot write \"" + fileName_ + "\"");
    try {
      ReplaceFileContents(PathFromUtf8(fileName_), file_->view());
    } catch (const BEditorError& error) {
      // The system's words alone ("Stream write error") do not say which file.
      throw BEditorError(fileName_ + ": " + error.what());
    }
    return;
  }
  out_.flush();
  if (!out_) throw BEditorError("cannot write standard output");
}

namespace {

// Large enough that the stream writes each block through in one call, small enough to stay
// in cache; a cell that would not fit (two bytes per byte of it, quoted) goes alone.
constexpr std::size_t kWriteBlock = 64 * 1024;

}  // namespace

CsvRecordWriter::CsvRecordWriter(std::ostream& out, char separator)
    : out_(out), separator_(separator), rules_(CsvQuotingRules(separator)), buffer_(new char[kWriteBlock]) {}

// Nothing only for more than a whole block.
char* CsvRecordWriter::Room(std::size_t size) {
  if (kWriteBlock - used_ < size) Flush();
  return kWriteBlock - used_ < size ? nullptr : buffer_.get() + used_;
}

void CsvRecordWriter::Cell(std::string_view cell) {
  if (recordStarted_) {
    *Room(1) = separator_;
    ++used_;
  }
  recordStarted_ = true;
  if (cell.empty()) return;  // an empty view may hold no pointer at all, which memcpy may not get
  // Nearly every cell is written as it is: copied and checked in one pass, each byte looked up
  // as it goes by.
  if (char* at = Room(cell.size())) {
    const auto rule = [this](char byte) { return rules_[static_cast<unsigned char>(byte)]; };
    unsigned char quotes = rule(cell.front()) | rule(cell.back());
    for (std::size_t i = 0; i < cell.size(); ++i) {
      at[i] = cell[i];
      quotes |= rule(cell[i]) & kCsvQuotesAnywhere;
    }
    if (quotes == 0) {
      used_ += cell.size();
      return;
    }
  }
  quotedCell_.clear();
  AppendCsvCell(quotedCell_, cell, separator_);
  if (char* at = Room(quotedCell_.size())) {
    std::memcpy(at, quotedCell_.data(), quotedCell_.size());
    used_ += quotedCell_.size();
  } else {
    out_.write(quotedCell_.data(), static_cast<std::streamsize>(quotedCell_.size()));
  }
}

void CsvRecordWriter::Cell(int number) {
  // Digits and a minus sign are never quoted.
  char* at = Room(16);
  if (recordStarted_) *at++ = separator_;
  recordStarted_ = true;
  at = std::to_chars(at, at + 12, number).ptr;
  used_ = static_cast<std::size_t>(at - buffer_.get());
}

void CsvRecordWriter::EmptyCells(std::size_t count) {
  for (std::size_t i = 0; i < count; ++i) Cell(std::string_view());
}

void CsvRecordWriter::EndRecord() {
  std::memcpy(Room(2), "\r\n", 2);
  used_ += 2;
  recordStarted_ = false;
}

void CsvRecordWriter::Flush() {
  out_.write(buffer_.get(), static_cast<std::streamsize>(used_));
  used_ = 0;
}

char SeparatorFromOption(const std::string& option) { return option == ";" ? ';' : ','; }

}  // namespace beditor::roster
