#pragma once
// Line-list files: a text file read whole into an ordered list of byte lines, written
// whole with CR LF after every line.
#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace beditor {

// Splits file bytes into lines: CR LF, lone LF and lone CR each end a line; a line break
// at the very end adds no empty line; everything from the first NUL on is ignored.
std::vector<std::string> SplitLines(std::string_view bytes);

// Every line followed by CR LF, the last one included.
std::string JoinLines(const std::vector<std::string>& lines);

// Where the next line starts in `text`, whose line ends at `end` with CR LF, CR or LF.
inline std::size_t NextLineStart(const char* text, std::size_t end) {
  return end + (text[end] == '\r' && text[end + 1] == '\n' ? 2 : 1);
}

class LineList {
 public:
  LineList() = default;
  explicit LineList(std::vector<std::string> lines) : lines_(std::move(lines)) {}

  // Replaces all lines by those of the file. Throws FileOpenError and leaves the list
  // as it was when the file cannot be read.
  void LoadLines(const std::filesystem::path& path);
  // Replaces all lines by those of these file bytes, as LoadLines takes a file's. Reuses the
  // list's memory where no copy shares it: for a reader that loads many files in turn.
  void LoadBytes(std::string_view bytes);

  // Replaces the file. A failed write leaves the former file untouched.
  // Throws FileCreateError or StreamWriteError.
  void SaveLines(const std::filesystem::path& path) const;

  // Throws ListIndexError when index < 0 or index >= LineCount().
  const std::string& LineAt(int index) const;
  // The same line's bytes, valid until the list changes (a const call changes nothing). A
  // loaded file's lines are read where they lie, without making a string of each. Inline: a
  // reader of many files asks for every line of each.
  std::string_view LineView(int index) const {
    if (index < 0 || index >= LineCount()) CheckIndex(index);
    const auto at = static_cast<std::size_t>(index);
    if (!Loaded()) return lines_[at];
    const char* text = bytes_.get();
    std::size_t start = 0;
    if (at > 0) start = NextLineStart(text, ends_[at - 1]);
    return std::string_view(text + start, ends_[at] - start);
  }
  // LineView of the first views.size() lines, at once: for a reader of every line of many
  // small files. Throws ListIndexError when there are fewer lines.
  void FirstLineViews(std::span<std::string_view> views) const;
  void ReplaceLine(int index, std::string text);

  // Adds a last line and returns its index.
  int AppendLine(std::string text);

  int LineCount() const { return static_cast<int>(Loaded() ? ends_.size() : lines_.size()); }
  const std::vector<std::string>& Lines() const;

 private:
  // A loaded file is kept as its bytes and the end of each line in them, and becomes one
  // std::string per line only when a line is first asked for or changed. Loading a large
  // file thus costs about one read of it, in about its own size; the strings, a heap block
  // each, are paid for when used. Once made, the strings are the list; the bytes are kept
  // until the list changes, for the views handed out before.
  bool Loaded() const { return static_cast<bool>(bytes_); }
  void MakeStrings() const;
  // Throws ListIndexError when the index is out of range.
  void CheckIndex(int index) const;

  // Fills ends_ for the `size` bytes at the start of bytes_ and pads them with NUL bytes.
  void IndexBytes(std::size_t size);

  // Shared by copies, and never changed while shared. Followed by NUL bytes.
  mutable std::shared_ptr<char[]> bytes_;
  mutable std::shared_ptr<char[]> formerBytes_;  // bytes_ once the strings were made
  mutable std::size_t capacity_ = 0;  // of bytes_, or of formerBytes_ where bytes_ is empty
  mutable std::vector<std::size_t> ends_;
  mutable std::vector<std::string> lines_;
};

}  // namespace beditor
