// On Windows the arguments come from the wide command line: the narrow argv is in the ANSI
// code page, which cannot hold every name of a folder.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#include <shellapi.h>

#include "core/process_start.h"

namespace beditor {

std::vector<std::string> StartProcess(int, char**) {
  // Windows has no file-size signal.
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

}  // namespace beditor
