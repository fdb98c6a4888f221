// On POSIX the shell has already split the command line.
#include "core/argument_splitter.h"
#include "core/file_access.h"

namespace beditor {

ProgramArguments ProgramArguments::FromProcess(int argc, char** argv) {
  return ProgramArguments(ExecutablePath(), std::vector<std::string>(argv, argv + argc));
}

}  // namespace beditor
