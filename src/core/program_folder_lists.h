#pragma once
// The list files of the program folder, as both programs read them: the language setting,
// its caption table and style list, the weight list of each game, and the remembered
// editor mode.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/fighter_layout.h"
#include "core/line_list.h"

namespace beditor {

constexpr const char* kConfigFileName = "Config.txt";
constexpr const char* kEditorModeFileName = "EditorMode.txt";

// The language code: the first line of Config.txt. Throws ListIndexError for an empty file.
std::string LanguageCode(const LineList& config);

// The program folder's language code, as the editor reads it (Windows-1252 bytes); nothing
// when Config.txt cannot be read or is empty. For the windows that follow the editor's
// language without being the editor: they show no box for it.
std::optional<std::string> FolderLanguageCode(const std::filesystem::path& programFolder);

// The lines of the caption table of the program folder's language, as the editor reads it;
// nothing when Config.txt or the table cannot be read.
std::optional<LineList> ReadCaptionTable(const std::filesystem::path& programFolder);

// "<code>-Translation.txt" and "<code>-estilo.txt" in the program folder; the code is
// Windows-1252 bytes as Config.txt holds them.
std::filesystem::path CaptionTablePath(const std::filesystem::path& programFolder, std::string_view code);
std::filesystem::path StyleListPath(const std::filesystem::path& programFolder, std::string_view code);

// The style list of the configured language. Throws FileOpenError or ListIndexError.
std::vector<std::string> ReadStyleList(const std::filesystem::path& programFolder);

// The game's weight list file, or the built-in categories when it cannot be read.
// `usedBuiltIn` tells which.
std::vector<std::string> ReadWeightList(const std::filesystem::path& programFolder, record::Game game,
                                        bool* usedBuiltIn = nullptr);
std::vector<std::string> BuiltInWeightList();

// The number EditorMode.txt holds, 0 when there is none. Throws IntegerFormatError or
// ListIndexError for a file that holds no number.
int ReadEditorModeNumber(const std::filesystem::path& programFolder);
void WriteEditorModeNumber(const std::filesystem::path& programFolder, int number);

// The game the editor would start in.
record::Game StartingGame(const std::filesystem::path& programFolder);

}  // namespace beditor
