// Prints what the program's argument services make of this process: the count, then every
// argument from 0 to the count, one a line, then the program folder. The core's tests start
// it with real command lines. With --start-process first, it prints instead what every
// program's start makes of its command line (core/process_start.h), one argument a line.
#include <cstdio>
#include <cstring>

#include "core/argument_splitter.h"
#include "core/file_access.h"
#include "core/path_utf8.h"
#include "core/process_start.h"

int main(int argc, char** argv) {
  if (argc > 1 && std::strcmp(argv[1], "--start-process") == 0) {
    for (const std::string& argument : beditor::StartProcess(argc, argv)) std::printf("%s\n", argument.c_str());
    return 0;
  }
  const auto arguments = beditor::ProgramArguments::FromProcess(argc, argv);
  std::printf("%d\n", arguments.ArgumentCount());
  for (int i = 0; i <= arguments.ArgumentCount(); ++i) std::printf("%s\n", arguments.ArgumentAt(i).c_str());
  std::printf("%s\n", beditor::PathToUtf8(beditor::ProgramFolder()).c_str());
  return 0;
}
