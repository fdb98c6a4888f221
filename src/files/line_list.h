#pragma once
// Line-list files: a text file read whole into an ordered list of byte lines, written
// whole with CR LF after every line.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace beditor {

// Splits file bytes into lines: CR LF, lone LF and lone CR each end a line; a line break
// at the very end adds no empty line; everything from the first NUL on is ignored.
std::vector<std::string> SplitLines(std::string_view bytes);

// Every line followed by CR LF, the last one included.
std::string JoinLines(const std::vector<std::string>& lines);

class LineList {
 public:
  LineList() = default;
  explicit LineList(std::vector<std::string> lines) : lines_(std::move(lines)) {}

  // Replaces all lines by those of the file. Throws FileOpenError and leaves the list
  // as it was when the file cannot be read.
  void LoadLines(const std::filesystem::path& path);

  // Replaces the file. A failed write leaves the former file untouched.
  // Throws FileCreateError or StreamWriteError.
  void SaveLines(const std::filesystem::path& path) const;

  // Throws ListIndexError when index < 0 or index >= LineCount().
  const std::string& LineAt(int index) const;
  void ReplaceLine(int index, std::string text);

  // Adds a last line and returns its index.
  int AppendLine(std::string text);

  int LineCount() const { return static_cast<int>(lines_.size()); }
  const std::vector<std::string>& Lines() const { return lines_; }

 private:
  void CheckIndex(int index) const;

  std::vector<std::string> lines_;
};

}  // namespace beditor
