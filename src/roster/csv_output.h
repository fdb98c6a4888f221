#pragma once
// Where `export` and `rate --csv` write: standard output, or a file named with -o.
#include <fstream>
#include <optional>
#include <ostream>
#include <string>

#include "roster/roster_context.h"

namespace beditor::roster {

class CsvOutput {
 public:
  // An empty name is standard output. Throws BEditorError when the file cannot be created.
  CsvOutput(const RosterContext& context, const std::string& fileName);
  std::ostream& Stream() { return file_ ? *file_ : out_; }
  // Throws BEditorError when not everything could be written.
  void Finish();

 private:
  std::ostream& out_;
  std::string fileName_;
  std::optional<std::ofstream> file_;
};

// "," or ";", from --separator.
char SeparatorFromOption(const std::string& option);

}  // namespace beditor::roster
