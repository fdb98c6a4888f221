#pragma once
// The roster tool's command line: options, subcommands, help, and the exit code.
#include <ostream>
#include <string>
#include <vector>

namespace beditor::roster {

struct ToolStreams {
  std::ostream& out;
  std::ostream& err;
  bool errIsTerminal = false;
};

// Runs `beditor-roster ARGUMENTS...`; `arguments` excludes the program's name and is UTF-8.
int RunRosterTool(const std::vector<std::string>& arguments, const ToolStreams& streams);

}  // namespace beditor::roster
