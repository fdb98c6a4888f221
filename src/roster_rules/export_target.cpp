#include "roster_rules/export_target.h"

#include "core/file_access.h"
#include "core/file_errors.h"
#include "core/path_utf8.h"

namespace beditor::roster {
namespace {

// The folder holds `file`, at any depth. Compared as the system sees folders (links followed,
// names in another case where the system ignores case), from the nearest one that exists.
bool Holds(const std::filesystem::path& folder, const std::filesystem::path& file) {
  std::error_code error;
  if (!std::filesystem::is_directory(folder, error)) return false;
  // "Fighters/../Team/x" lies in Team: the path is resolved as the system would first.
  auto resolved = std::filesystem::weakly_canonical(std::filesystem::absolute(file, error), error);
  if (error) resolved = file.lexically_normal();
  for (auto parent = resolved.parent_path();; parent = parent.parent_path()) {
    if (std::filesystem::equivalent(parent, folder, error)) return true;
    if (parent == parent.parent_path()) return false;
  }
}

}  // namespace

void CheckExportTarget(const std::filesystem::path& programFolder, const std::filesystem::path& file) {
  const std::string name = PathToUtf8(file);
  for (const char* folder : {"Fighters", "Team"})
    if (Holds(programFolder / folder, file))
      throw BEditorError(name + ": lies in the roster's " + folder +
                         " folder, where it would be taken for one of its files: export it elsewhere");
  const std::filesystem::path fileName = file.filename();
  std::error_code error;
  if (std::filesystem::exists(std::filesystem::symlink_status(file, error)) &&
      !EndsInAnyCase(fileName.native(), ".csv") && !EndsInAnyCase(fileName.native(), ".xlsx"))
    throw BEditorError(name + ": exists and is no spreadsheet (.csv or .xlsx): an export replaces no other file; "
                              "choose another name");
}

}  // namespace beditor::roster
