#pragma once
// Finding the fighter files of a roster, in the order the tool lists them, and naming them
// in its messages.
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "roster_rules/roster_context.h"

namespace beditor::roster {

// A roster's file is known by its cell alone, so that listing thousands of them makes no
// path of each; PathOf() makes one where a file is written or removed.
struct FighterFile {
  // Below Fighters/, with "/": "LW/Name.txt", as the CSV's file column holds it. Empty for a
  // file named on the command line that lies elsewhere, or whose cell would name another
  // file (a name read as Windows-1252 that is another's UTF-8 name there).
  std::string cell;
  // The category folder the file sits in ("LW"), when it lies in Fighters/<folder>/.
  std::optional<std::string> folder;
  // The path as given, for a file without a cell.
  std::filesystem::path elsewhere;
  // The file's or its folder's name on disk is not UTF-8, and the cell reads it as
  // Windows-1252 (NameToUtf8); opening the file finds those bytes again.
  bool windows1252Name = false;

  // As messages name it: "Fighters/LW/Name.txt", or the path as given when it lies elsewhere.
  std::string Display() const;
  // The file's name, without its folder, as UTF-8.
  std::string Name() const;
};

// The "Fighters" folder of the program folder.
std::filesystem::path FightersFolder(const RosterContext& context);

// Where the file lies: for a cell, the entry each of its names reads as (RelativePathFromUtf8).
std::filesystem::path PathOf(const RosterContext& context, const FighterFile& file);

// A folder of the roster that could not be listed, or not whole: its files are missing.
struct UnlistedFolder {
  std::string display;  // "Fighters/LW"
  std::string message;  // why, as the system says it
};

struct RosterFiles {
  std::vector<FighterFile> files;
  std::vector<UnlistedFolder> unlisted;
};

// Every Fighters/*/*.txt, the ending in any case: the category folders of the mode in
// weight-list order, then any other folders by name; within a folder, by file name. A folder
// that is a category's by the file system's rule (Windows: "lw") is listed once, as that
// category. Names are read as text by NameToUtf8; one read as Windows-1252 whose text is
// another entry's name there is left out and reported, as the cell could not tell the two
// apart. Throws UnreadableFolderError when there is no Fighters folder.
RosterFiles ListRoster(const RosterContext& context);

// The files named on the command line (UTF-8, relative to the working folder), in the order
// given.
std::vector<FighterFile> NamedFiles(const RosterContext& context, const std::vector<std::string>& names);

// The files a command works on: those named, or the whole roster.
RosterFiles FilesToWorkOn(const RosterContext& context, const std::vector<std::string>& names);

// Reports each folder that could not be listed, as "Fighters/LW: error: Cannot list folder ..."
void ReportUnlisted(const RosterFiles& roster, std::ostream& out);

// The file a CSV file cell names, below Fighters/.
FighterFile FileFromCell(const std::string& cell);

}  // namespace beditor::roster
