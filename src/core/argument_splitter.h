#pragma once
// Splitting a raw command line into arguments, and the argument list the program uses.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace beditor {

// Every argument of a raw command line, the program's own name first. Bytes 0x01..0x20
// separate arguments; a double quote opens a stretch (up to the next quote or the end) whose
// bytes, separators included, belong to the argument, the quotes themselves dropped; a pair
// of quotes standing alone is no argument at all; there is no escape character.
std::vector<std::string> SplitCommandLine(std::string_view commandLine);

class ProgramArguments {
 public:
  // `arguments` holds the program's name first; counting stops at the first empty one.
  ProgramArguments(std::filesystem::path executable, std::vector<std::string> arguments);

  // The arguments the system handed to this process.
  static ProgramArguments FromProcess(int argc, char** argv);

  int ArgumentCount() const { return static_cast<int>(arguments_.size()); }
  // Index 0 is the executable's full path; beyond the count, empty text.
  std::string ArgumentAt(int index) const;

 private:
  std::filesystem::path executable_;
  std::vector<std::string> arguments_;  // without the program's name
};

}  // namespace beditor
