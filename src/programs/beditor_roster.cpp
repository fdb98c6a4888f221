// beditor-roster: the command-line roster tool beside the editor.
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "core/process_start.h"
#include "roster_tool/command_line.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

int main(int argc, char** argv) {
  const std::vector<std::string> arguments = beditor::StartProcess(argc, argv);
#ifdef _WIN32
  // CSV rows end in CR LF already; the console shows the UTF-8 the tool writes.
  _setmode(_fileno(stdout), _O_BINARY);
  SetConsoleOutputCP(CP_UTF8);
  const bool errIsTerminal = _isatty(_fileno(stderr)) != 0;
#else
  const bool errIsTerminal = isatty(fileno(stderr)) != 0;
#endif
  std::ios::sync_with_stdio(false);
  return beditor::roster::RunRosterTool(arguments, {std::cout, std::cerr, errIsTerminal});
}
