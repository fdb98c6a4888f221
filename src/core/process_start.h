#pragma once
// What every program of ours does first, the command-line tool as well as the windows: the
// process rules that must hold before any file is written, and the command line as UTF-8.
#include <string>
#include <vector>

namespace beditor {

// Ignores SIGXFSZ, so that a file-size limit surfaces as a failed write (reported, the
// temporary file removed) instead of ending the program. Returns the arguments after the
// program's name as UTF-8: on Windows read as wide text, whatever the ANSI code page, so
// that a folder named outside it ("C:\Users\Łukasz") arrives whole.
std::vector<std::string> StartProcess(int argc, char** argv);

}  // namespace beditor
