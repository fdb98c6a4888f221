#include "roster_rules/roster_files.h"

#include <algorithm>
#include <string_view>
#include <system_error>
#include <unordered_set>

#include "core/file_access.h"
#include "core/file_errors.h"
#include "core/file_names.h"
#include "core/path_utf8.h"
#include "roster_rules/quoted_text.h"

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

// A folder of Fighters/ as the roster names it, and where it lies.
struct ListedFolder {
  std::string text;  // UTF-8: the category's name, or the folder's as NameToUtf8 reads it
  std::filesystem::path path;
  bool windows1252 = false;  // its name on disk is read as Windows-1252
};

// The texts of a folder's entries whose names are text on disk (UTF-8), where any other entry
// there is read as Windows-1252: such an entry whose text is one of these would be named by
// the other's cell, and is left out. Built only when there is such an entry.
class TwinTexts {
 public:
  template <typename Entries, typename TextOf, typename IsWindows1252>
  TwinTexts(const Entries& entries, TextOf textOf, IsWindows1252 isWindows1252) {
    if (std::none_of(entries.begin(), entries.end(), isWindows1252)) return;
    for (const auto& entry : entries)
      if (!isWindows1252(entry)) texts_.emplace(textOf(entry));
  }
  bool Has(const std::string& text) const { return texts_.count(text) > 0; }

 private:
  std::unordered_set<std::string> texts_;
};

std::string TwinMessage(const char* what, const std::string& text) {
  return std::string("a ") + what + " whose name is not UTF-8 reads as " + Quoted(text) +
         " in Windows-1252, the name of another " + what + " there: it is left out until one of the two is renamed";
}

}  // namespace

std::string FighterFile::Display() const {
  if (!cell.empty()) return "Fighters/" + cell;
  // Name by name: one read as Windows-1252 may sit among names that are UTF-8.
  const auto generic = elsewhere.generic_string<std::filesystem::path::value_type>();
  const NativeName whole = generic;
  std::string shown;
  for (std::size_t start = 0;;) {
    const std::size_t slash = whole.find(static_cast<std::filesystem::path::value_type>('/'), start);
    shown += NameToUtf8(whole.substr(start, slash - start));
    if (slash == NativeName::npos) return shown;
    shown += '/';
    start = slash + 1;
  }
}

std::string FighterFile::Name() const {
  if (cell.empty()) return NameToUtf8(elsewhere.filename().native());
  return cell.substr(cell.rfind('/') + 1);
}

std::filesystem::path FightersFolder(const RosterContext& context) { return context.folder / "Fighters"; }

std::filesystem::path PathOf(const RosterContext& context, const FighterFile& file) {
  if (file.cell.empty()) return file.elsewhere;
  const auto fighters = FightersFolder(context);
  return fighters / RelativePathFromUtf8(fighters, file.cell);
}

RosterFiles ListRoster(const RosterContext& context) {
  const auto fighters = FightersFolder(context);
  std::error_code error;
  if (!std::filesystem::is_directory(fighters, error))
    throw UnreadableFolderError("no Fighters folder in \"" + AbsolutePathText(context.folder) + "\"");

  RosterFiles roster;
  // The mode's category folders first, in the order of its weight list.
  std::vector<ListedFolder> folders;
  for (const char* category : record::CategoryFolders(context.game)) {
    const auto status = std::filesystem::status(fighters / category, error);
    // Zip tools and copies drop empty folders: a category without one has no fighters.
    if (status.type() == std::filesystem::file_type::not_found) continue;
    if (std::filesystem::is_directory(status)) folders.push_back({category, fighters / category, false});
    if (error) roster.unlisted.push_back(Unlisted(std::string("Fighters/") + category, fighters / category, error));
  }
  std::vector<std::string> categoryKeys;
  for (const ListedFolder& folder : folders) categoryKeys.push_back(FileSystemNameKey(folder.text));
  std::vector<ListedFolder> others;
  auto it = std::filesystem::directory_iterator(fighters, error);
  for (; !error && it != std::filesystem::directory_iterator(); it.increment(error)) {
    if (!it->is_directory(error)) continue;
    const auto name = it->path().filename();
    ListedFolder folder{NameToUtf8(name.native()), it->path(), IsWindows1252Name(name.native())};
    // Where the system ignores case, "lw" is the folder the category "LW" found already.
    const std::string key = FileSystemNameKey(folder.text);
    if (std::find(categoryKeys.begin(), categoryKeys.end(), key) == categoryKeys.end())
      others.push_back(std::move(folder));
  }
  if (error) roster.unlisted.push_back(Unlisted("Fighters", fighters, error));
  std::sort(others.begin(), others.end(),
            [](const ListedFolder& a, const ListedFolder& b) { return a.text < b.text; });
  const TwinTexts folderTwins(others, [](const ListedFolder& folder) { return std::string_view(folder.text); },
                              [](const ListedFolder& folder) { return folder.windows1252; });
  for (ListedFolder& folder : others) {
    if (folder.windows1252 && folderTwins.Has(folder.text))
      roster.unlisted.push_back({"Fighters", TwinMessage("folder", folder.text)});
    else
      folders.push_back(std::move(folder));
  }

  std::vector<FighterFile>& files = roster.files;
  for (const ListedFolder& folder : folders) {
    std::vector<std::filesystem::path::string_type> names;
    try {
      names = SortedTextFiles(folder.path);
    } catch (const FolderListError& listError) {
      roster.unlisted.push_back({"Fighters/" + folder.text, listError.what()});
      continue;
    }
    const TwinTexts nameTwins(names, [](const auto& name) { return NameToUtf8(name); },
                              [](const auto& name) { return IsWindows1252Name(name); });
    files.reserve(files.size() + names.size());
    for (auto& name : names) {
      const bool windows1252 = IsWindows1252Name(name);
      std::string text = NameToUtf8(name);
      if (windows1252 && nameTwins.Has(text)) {
        roster.unlisted.push_back({"Fighters/" + folder.text, TwinMessage("file", text)});
        continue;
      }
      // Made in place: a moved path is left to split its emptied name into components.
      FighterFile& file = files.emplace_back();
      file.cell.reserve(folder.text.size() + 1 + text.size());
      file.cell.append(folder.text).append(1, '/').append(text);
      file.folder = folder.text;
      file.windows1252Name = folder.windows1252 || windows1252;
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
    file.windows1252Name = IsWindows1252Name(file.elsewhere.filename().native());
    const auto resolved = Resolved(file.elsewhere);
    // A file directly inside a folder of Fighters/ is named as the roster names it, unless
    // that cell would name another file: the name is read as Windows-1252, and another
    // file's name reads the same (ListRoster leaves such a file out).
    if (resolved.parent_path().parent_path() == fighters) {
      const auto folder = resolved.parent_path().filename();
      const auto fileName = resolved.filename();
      const std::string cell = NameToUtf8(folder.native()) + "/" + NameToUtf8(fileName.native());
      file.windows1252Name = IsWindows1252Name(folder.native()) || IsWindows1252Name(fileName.native());
      file.folder = cell.substr(0, cell.find('/'));
      if (!file.windows1252Name || RelativePathFromUtf8(fighters, cell) == folder / fileName) {
        file.cell = cell;
        file.elsewhere.clear();
      }
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
