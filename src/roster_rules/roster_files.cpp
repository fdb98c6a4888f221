#include "roster_rules/roster_files.h"

#include <algorithm>
#include <system_error>

#include "core/file_access.h"
#include "core/file_errors.h"
#include "core/path_utf8.h"

namespace beditor::roster {
namespace {

std::filesystem::path Resolved(const std::filesystem::path& path) {
  std::error_code error;
  auto resolved = std::filesystem::weakly_canonical(path, error);
  return error ? std::filesystem::absolute(path, error).lexically_normal() : resolved;
}

// The native names in `folder` that end in ".txt", in any case, sorted. Throws
// FolderListError.
std::vector<std::filesystem::path::string_type> SortedTextFiles(const std::filesystem::path& folder) {
  std::vector<std::filesystem::path::string_type> names;
  ForEachNameEndingIn(folder, ".txt", [&names](NativeName name) { names.emplace_back(name); });
  std::sort(names.begin(), names.end());
  return names;
}

UnlistedFolder Unlisted(const std::string& display, const std::filesystem::path& folder, const std::error_code& error) {
  return {display, FolderListError(AbsolutePathText(folder), TrimSystemText(error.message())).what()};
}

// A folder entry's name as UTF-8, without making a path of it where names are bytes already.
[[maybe_unused]] std::string NameToUtf8(const std::string& name) { return name; }
[[maybe_unused]] std::string NameToUtf8(const std::wstring& name) { return PathToUtf8(std::filesystem::path(name)); }

}  // namespace

std::string FighterFile::Display() const {
  if (!cell.empty()) return "Fighters/" + cell;
  const std::u8string text = elsewhere.generic_u8string();
  return std::string(text.begin(), text.end());
}

std::string FighterFile::Name() const {
  if (cell.empty()) return PathToUtf8(elsewhere.filename());
  return cell.substr(cell.rfind('/') + 1);
}

std::filesystem::path FightersFolder(const RosterContext& context) { return context.folder / "Fighters"; }

std::filesystem::path PathOf(const RosterContext& context, const FighterFile& file) {
  return file.cell.empty() ? file.elsewhere : FightersFolder(context) / PathFromUtf8(file.cell);
}

RosterFiles ListRoster(const RosterContext& context) {
  const auto fighters = FightersFolder(context);
  std::error_code error;
  if (!std::filesystem::is_directory(fighters, error))
    throw UnreadableFolderError("no Fighters folder in \"" + AbsolutePathText(context.folder) + "\"");

  RosterFiles roster;
  // The mode's category folders first, in the order of its weight list.
  std::vector<std::string> folders;
  for (const char* category : record::CategoryFolders(context.game)) {
    const auto status = std::filesystem::status(fighters / category, error);
    // Zip tools and copies drop empty folders: a category without one has no fighters.
    if (status.type() == std::filesystem::file_type::not_found) continue;
    if (std::filesystem::is_directory(status)) folders.emplace_back(category);
    if (error) roster.unlisted.push_back(Unlisted(std::string("Fighters/") + category, fighters / category, error));
  }
  std::vector<std::string> others;
  auto it = std::filesystem::directory_iterator(fighters, error);
  for (; !error && it != std::filesystem::directory_iterator(); it.increment(error)) {
    if (!it->is_directory(error)) continue;
    std::string name = PathToUtf8(it->path().filename());
    if (std::find(folders.begin(), folders.end(), name) == folders.end()) others.push_back(std::move(name));
  }
  if (error) roster.unlisted.push_back(Unlisted("Fighters", fighters, error));
  std::sort(others.begin(), others.end());
  folders.insert(folders.end(), others.begin(), others.end());

  std::vector<FighterFile>& files = roster.files;
  for (const std::string& folder : folders) {
    const auto folderPath = fighters / PathFromUtf8(folder);
    std::vector<std::filesystem::path::string_type> names;
    try {
      names = SortedTextFiles(folderPath);
    } catch (const FolderListError& listError) {
      roster.unlisted.push_back({"Fighters/" + folder, listError.what()});
      continue;
    }
    files.reserve(files.size() + names.size());
    for (auto& name : names) {
      // Made in place: a moved path is left to split its emptied name into components.
      FighterFile& file = files.emplace_back();
      file.cell.reserve(folder.size() + 1 + name.size());
      file.cell.append(folder).append(1, '/').append(NameToUtf8(name));
      file.folder = folder;
    }
  }
  return roster;
}

std::vector<FighterFile> NamedFiles(const RosterContext& context, const std::vector<std::string>& names) {
  const auto fighters = Resolved(FightersFolder(context));
  std::vector<FighterFile> files;
  for (const std::string& name : names) {
    FighterFile file;
    file.elsewhere = PathFromUtf8(name);
    const auto resolved = Resolved(file.elsewhere);
    // A file directly inside a folder of Fighters/ is named as the roster names it.
    if (resolved.parent_path().parent_path() == fighters) {
      file.folder = PathToUtf8(resolved.parent_path().filename());
      file.cell = *file.folder + "/" + PathToUtf8(resolved.filename());
      file.elsewhere.clear();
    }
    files.push_back(std::move(file));
  }
  return files;
}

RosterFiles FilesToWorkOn(const RosterContext& context, const std::vector<std::string>& names) {
  return names.empty() ? ListRoster(context) : RosterFiles{NamedFiles(context, names), {}};
}

void ReportUnlisted(const RosterFiles& roster, std::ostream& out) {
  for (const UnlistedFolder& folder : roster.unlisted)
    out << folder.display << ": error: " << folder.message << '\n';
}

FighterFile FileFromCell(const std::string& cell) {
  FighterFile file;
  file.cell = cell;
  const auto slash = cell.find('/');
  if (slash != std::string::npos && cell.find('/', slash + 1) == std::string::npos)
    file.folder = cell.substr(0, slash);
  return file;
}

}  // namespace beditor::roster
