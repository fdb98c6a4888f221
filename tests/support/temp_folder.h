#pragma once
// A temporary folder for a test, removed afterwards, with helpers for raw file bytes. No Qt,
// so the core's tests use it on every platform.
#include <filesystem>
#include <string>

namespace beditor::test {

class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(TempFolder&& other) noexcept;
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  TempFolder& operator=(TempFolder&&) = delete;

  std::filesystem::path Path() const { return path_; }
  std::filesystem::path operator/(const std::string& relative) const { return path_ / relative; }

  // A copy of the default program folder (the data files the build places beside the program).
  static TempFolder WithProgramFiles();

 private:
  std::filesystem::path path_;
};

void WriteBytes(const std::filesystem::path& path, const std::string& bytes);
std::string ReadBytes(const std::filesystem::path& path);

// What the system says of a file that is not there ("No such file or directory" on POSIX,
// "File not found" on Windows), as the file messages end.
std::string MissingFileText();

}  // namespace beditor::test
