// On POSIX the shell hands over the arguments as the bytes they are: UTF-8 on our systems.
#include <csignal>

#include "core/process_start.h"

namespace beditor {

std::vector<std::string> StartProcess(int argc, char** argv) {
  std::signal(SIGXFSZ, SIG_IGN);
  return argc > 1 ? std::vector<std::string>(argv + 1, argv + argc) : std::vector<std::string>();
}

}  // namespace beditor
