#pragma once
// What every command of the roster tool works with: the program folder, the game whose
// categories and weight list apply, and where results and messages go.
#include <filesystem>
#include <ostream>

#include "core/fighter_layout.h"
#include "core/file_errors.h"

namespace beditor::roster {

// The tool's exit codes.
enum ExitCode : int {
  kExitDone = 0,      // done, and nothing wrong
  kExitProblems = 1,  // the roster has errors (check), or the input was refused (import)
  kExitUsage = 2,     // a usage error, or a program folder the command cannot read
};

struct RosterContext {
  std::filesystem::path folder;  // the program folder
  record::Game game = record::Game::TAV;
  std::ostream& out;  // results
  std::ostream& err;  // messages
  bool showProgress = false;  // standard error is a terminal and --quiet was not given
};

// The program folder lacks what the command needs (its Fighters folder, Config.txt, the
// style list): exit code 2.
class UnreadableFolderError : public BEditorError {
 public:
  using BEditorError::BEditorError;
};

}  // namespace beditor::roster
