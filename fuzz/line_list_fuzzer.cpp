// Line splitting of file bytes: the lines agree with a reference splitter, carry no line
// break or NUL, and survive being written and read again, in memory and through a real file.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "core/line_list.h"
#include "fuzz_check.h"

namespace {

// The line rules restated: cut at the first NUL; each of CR LF, lone CR and lone LF ends a
// line (CR LF taken as one); a last line needs no terminator; a final terminator adds no line.
std::vector<std::string> ReferenceLines(std::string_view bytes) {
  bytes = bytes.substr(0, bytes.find('\0'));
  std::vector<std::string> lines;
  std::string current;
  bool open = false;  // bytes seen since the last terminator
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const char c = bytes[i];
    if (c == '\r' || c == '\n') {
      lines.push_back(current);
      current.clear();
      open = false;
      if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
    } else {
      current += c;
      open = true;
    }
  }
  if (open) lines.push_back(current);
  return lines;
}

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// A file of this process's own, removed after each use.
std::filesystem::path ScratchFile() {
  return std::filesystem::temp_directory_path() / ("beditor_line_list_fuzzer_" + std::to_string(::getpid()) + ".txt");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace beditor;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);

  const std::vector<std::string> lines = SplitLines(bytes);
  FUZZ_CHECK(lines == ReferenceLines(bytes));
  for (const auto& line : lines) FUZZ_CHECK(line.find_first_of(std::string_view("\r\n\0", 3)) == std::string::npos);

  const std::string joined = JoinLines(lines);
  FUZZ_CHECK(SplitLines(joined) == lines);
  // Written once more, the bytes do not change any further.
  FUZZ_CHECK(JoinLines(SplitLines(joined)) == joined);

  // Saving syncs the file to disk, which costs far more than the pure functions: one input
  // size in 32 goes through real files, chosen by the input so that every finding replays.
  if (size % 32 == 0) {
    const auto path = ScratchFile();
    LineList(lines).SaveLines(path);
    FUZZ_CHECK(ReadFile(path) == joined);
    LineList reread({"left over"});
    reread.LoadLines(path);
    FUZZ_CHECK(reread.Lines() == lines);

    // The raw input as a file loads as the same lines.
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(bytes.data(), static_cast<std::streamsize>(size));
    reread.LoadLines(path);
    FUZZ_CHECK(reread.Lines() == lines);
    std::filesystem::remove(path);
  }
  return 0;
}
