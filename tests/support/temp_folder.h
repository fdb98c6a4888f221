#pragma once
// A temporary folder for a test, removed afterwards, with helpers for raw file bytes.
#include <QTemporaryDir>
#include <filesystem>
#include <string>

namespace beditor::test {

class TempFolder {
 public:
  TempFolder();
  std::filesystem::path Path() const;
  std::filesystem::path operator/(const std::string& relative) const { return Path() / relative; }

  // A copy of the default program folder (the data files the build places beside the program).
  static TempFolder WithProgramFiles();

 private:
  QTemporaryDir dir_;
};

void WriteBytes(const std::filesystem::path& path, const std::string& bytes);
std::string ReadBytes(const std::filesystem::path& path);

}  // namespace beditor::test
