// On Windows the program splits its raw command line itself.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include "core/argument_splitter.h"
#include "core/file_access.h"

namespace beditor {

ProgramArguments ProgramArguments::FromProcess(int, char**) {
  const wchar_t* wide = GetCommandLineW();
  const int size = WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
  std::string line(size > 0 ? static_cast<std::size_t>(size - 1) : 0, '\0');
  if (size > 1) WideCharToMultiByte(CP_UTF8, 0, wide, -1, line.data(), size, nullptr, nullptr);
  return ProgramArguments(ExecutablePath(), SplitCommandLine(line));
}

}  // namespace beditor
