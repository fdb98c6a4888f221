#include "roster/csv_output.h"

#include "core/path_utf8.h"

namespace beditor::roster {

CsvOutput::CsvOutput(const RosterContext& context, const std::string& fileName)
    : out_(context.out), fileName_(fileName) {
  if (fileName.empty()) return;
  file_.emplace(PathFromUtf8(fileName), std::ios::binary | std::ios::trunc);
  if (!*file_) throw BEditorError("cannot create \"" + fileName + "\"");
}

void CsvOutput::Finish() {
  Stream().flush();
  if (file_) file_->close();
  if (!Stream()) throw BEditorError("cannot write \"" + (fileName_.empty() ? std::string("standard output") : fileName_) + "\"");
}

char SeparatorFromOption(const std::string& option) { return option == ";" ? ';' : ','; }

}  // namespace beditor::roster
