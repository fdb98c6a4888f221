// beditor-roster: the command-line roster tool beside the editor.
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "roster/command_line.h"

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#include <shellapi.h>
#else
#include <unistd.h>
#endif

namespace {

#ifdef _WIN32
// The arguments as UTF-8, whatever the console's code page.
std::vector<std::string> Utf8Arguments() {
  int count = 0;
  wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> arguments;
  for (int i = 1; wide && i < count; ++i) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, nullptr, 0, nullptr, nullptr);
    std::string argument(size > 0 ? static_cast<std::size_t>(size - 1) : 0, '\0');
    if (size > 1) WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, argument.data(), size, nullptr, nullptr);
    arguments.push_back(std::move(argument));
  }
  LocalFree(wide);
  return arguments;
}
#endif

}  // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
  (void)argc;
  (void)argv;
  const std::vector<std::string> arguments = Utf8Arguments();
  // CSV rows end in CR LF already; the console shows the UTF-8 the tool writes.
  _setmode(_fileno(stdout), _O_BINARY);
  SetConsoleOutputCP(CP_UTF8);
  const bool errIsTerminal = _isatty(_fileno(stderr)) != 0;
#else
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  const bool errIsTerminal = isatty(fileno(stderr)) != 0;
#endif
  std::ios::sync_with_stdio(false);
  return beditor::roster::RunRosterTool(arguments, {std::cout, std::cerr, errIsTerminal});
}
