#pragma once
// Reading many files of one folder by their names below it, as a roster's fighters are read.
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

namespace beditor {

// The folder is looked up once, when the reader is made, rather than again for every file
// opened through a path; the bytes go into one buffer that every read reuses. The
// folder_reader_*.cpp files beside this one implement it; CMake picks one.
class FolderReader {
 public:
  // A folder that cannot be opened is reported by each read, as reading by path would.
  explicit FolderReader(std::filesystem::path folder);
  ~FolderReader();
  FolderReader(const FolderReader&) = delete;
  FolderReader& operator=(const FolderReader&) = delete;

  // The bytes of the file at `relative` (UTF-8, "/" between folders) below the folder, valid
  // until the next read. Throws FileOpenError naming the file's whole path (missing,
  // unreadable, a folder).
  std::string_view Read(std::string_view relative);

  const std::filesystem::path& Folder() const { return folder_; }

 private:
  // Room for `size` bytes at the start of the buffer, those already there kept.
  char* Room(std::size_t size);

  std::filesystem::path folder_;
  int descriptor_ = -1;  // the opened folder, where the system opens files relative to one
  int openError_ = 0;    // why it could not be opened
  std::unique_ptr<char[]> buffer_;
  std::size_t capacity_ = 0;
};

}  // namespace beditor
