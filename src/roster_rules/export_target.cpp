#include "roster_rules/export_target.h"

#include "core/file_access.h"
#include "core/file_errors.h"
#include "core/path_utf8.h"

namespace beditor::roster {
namespace {

// The file a write to `file` reaches: its links followed, a dangling one too (the write would
// create its target), the folders above it resolved ("Fighters/../Team/x" lies in Team).
std::filesystem::path Reached(const std::filesystem::path& file) {
  std::error_code error;
  std::filesystem::path path = std::filesystem::absolute(file, error);
  if (error) return file.lexically_normal();
  constexpr int kMostLinks = 40;  // as the system follows them
  for (int link = 0; link < kMostLinks && std::filesystem::is_symlink(std::filesystem::symlink_status(path, error));
       ++link) {
    const std::filesystem::path target = std::filesystem::read_symlink(path, error);
    if (error) break;
    path = target.is_absolute() ? target : path.parent_path() / target;
  }
  const std::filesystem::path resolved = std::filesystem::weakly_canonical(path, error);
  return error ? path.lexically_normal() : resolved;
}

bool IsNamedInAnyCase(const std::filesystem::path& folder, std::string_view name) {
  const std::filesystem::path last = folder.filename();
  return EndsInAnyCase(last.native(), name) && last.native().size() == name.size();
}

}  // namespace

void CheckExportTarget(const std::filesystem::path& programFolder, const std::filesystem::path& file) {
  const std::string name = PathToUtf8(file);
  const std::filesystem::path reached = Reached(file);
  std::error_code error;
  // The roster's own folders, and those of any other program folder the path leads into.
  for (auto folder = reached.parent_path(); !folder.empty() && folder != folder.root_path();
       folder = folder.parent_path()) {
    for (const char* roster : {"Fighters", "Team"}) {
      const bool own = std::filesystem::equivalent(folder, programFolder / roster, error);
      if (own || (IsNamedInAnyCase(folder, roster) &&
                  std::filesystem::is_directory(folder.parent_path() / "Fighters", error)))
        throw BEditorError(name + ": lies in " + (own ? "the roster's " : "a program folder's ") + roster +
                           " folder, where it would be taken for one of its files: export it elsewhere");
    }
  }
  const std::filesystem::path fileName = reached.filename();
  if (std::filesystem::exists(std::filesystem::symlink_status(reached, error)) &&
      !EndsInAnyCase(fileName.native(), ".csv") && !EndsInAnyCase(fileName.native(), ".xlsx"))
    throw BEditorError(name + ": exists and is no spreadsheet (.csv or .xlsx): an export replaces no other file; "
                              "choose another name");
}

}  // namespace beditor::roster
