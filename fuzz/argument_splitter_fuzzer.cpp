// The raw command-line splitter: it agrees with a reference splitter, never yields an empty
// argument or a double quote, and re-splits joined arguments the same way; the argument list
// counts up to its first empty argument.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/argument_splitter.h"
#include "fuzz_check.h"

namespace {

bool IsSeparator(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte >= 0x01 && byte <= 0x20;
}

// The splitting rules restated as a byte-by-byte state machine: the line ends at NUL; before
// an argument, separators and pairs of quotes are skipped; inside one, a quote toggles a
// quoted stretch in which separators are ordinary bytes; an empty argument ends the list.
std::vector<std::string> ReferenceSplit(std::string_view line) {
  line = line.substr(0, line.find('\0'));
  std::vector<std::string> arguments;
  std::size_t at = 0;
  for (;;) {
    for (;;) {
      while (at < line.size() && IsSeparator(line[at])) ++at;
      if (at + 1 < line.size() && line[at] == '"' && line[at + 1] == '"') {
        at += 2;
        continue;
      }
      break;
    }
    std::string argument;
    bool quoted = false;
    for (; at < line.size(); ++at) {
      if (line[at] == '"') {
        quoted = !quoted;
      } else if (!quoted && IsSeparator(line[at])) {
        break;
      } else {
        argument += line[at];
      }
    }
    if (argument.empty()) return arguments;
    arguments.push_back(argument);
  }
}

std::string Join(const std::vector<std::string>& words, bool quoted) {
  std::string line;
  for (const auto& word : words) {
    if (!line.empty()) line += ' ';
    line += quoted ? '"' + word + '"' : word;
  }
  return line;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace beditor;
  const std::string_view line(reinterpret_cast<const char*>(data), size);

  const std::vector<std::string> arguments = SplitCommandLine(line);
  FUZZ_CHECK(arguments == ReferenceSplit(line));
  std::vector<std::string> plain;  // the arguments without separators
  for (const auto& argument : arguments) {
    FUZZ_CHECK(!argument.empty());
    FUZZ_CHECK(argument.find('"') == std::string::npos);
    FUZZ_CHECK(argument.find('\0') == std::string::npos);
    bool hasSeparator = false;
    for (char c : argument) hasSeparator = hasSeparator || IsSeparator(c);
    if (!hasSeparator) plain.push_back(argument);
  }
  FUZZ_CHECK(SplitCommandLine(Join(plain, false)) == plain);
  // Quoted, every argument survives, separators and all.
  FUZZ_CHECK(SplitCommandLine(Join(arguments, true)) == arguments);

  // The argument list: the input cut at LF into words, empty ones included.
  std::vector<std::string> words;
  for (std::size_t start = 0;;) {
    const std::size_t end = line.find('\n', start);
    words.emplace_back(line.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
    if (end == std::string_view::npos) break;
    start = end + 1;
  }
  const ProgramArguments list("/folder/beditor", words);
  std::size_t count = 0;
  while (count + 1 < words.size() && !words[count + 1].empty()) ++count;
  FUZZ_CHECK(list.ArgumentCount() == static_cast<int>(count));
  for (std::size_t i = 1; i <= count; ++i) FUZZ_CHECK(list.ArgumentAt(static_cast<int>(i)) == words[i]);
  FUZZ_CHECK(list.ArgumentAt(static_cast<int>(count) + 1).empty());
  FUZZ_CHECK(list.ArgumentAt(-1).empty());
  FUZZ_CHECK(list.ArgumentAt(0) == "/folder/beditor");
  return 0;
}
