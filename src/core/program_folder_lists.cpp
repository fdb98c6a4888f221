#include "core/program_folder_lists.h"

#include "core/file_access.h"
#include "core/file_errors.h"
#include "core/number_text.h"
#include "core/path_utf8.h"
#include "core/windows_1252.h"

namespace beditor {
namespace {

std::filesystem::path LanguageFile(const std::filesystem::path& programFolder, std::string_view code,
                                   const char* suffix) {
  return programFolder / PathFromUtf8(Windows1252ToUtf8(code) + suffix);
}

}  // namespace

std::string LanguageCode(const LineList& config) { return config.LineAt(0); }

std::optional<std::string> FolderLanguageCode(const std::filesystem::path& programFolder) {
  try {
    LineList config;
    config.LoadLines(programFolder / kConfigFileName);
    return LanguageCode(config);
  } catch (const BEditorError&) {
    return std::nullopt;
  }
}

std::optional<LineList> ReadCaptionTable(const std::filesystem::path& programFolder) {
  const auto code = FolderLanguageCode(programFolder);
  if (!code) return std::nullopt;
  try {
    LineList captions;
    captions.LoadLines(CaptionTablePath(programFolder, *code));
    return captions;
  } catch (const BEditorError&) {
    return std::nullopt;
  }
}

std::filesystem::path CaptionTablePath(const std::filesystem::path& programFolder, std::string_view code) {
  return LanguageFile(programFolder, code, "-Translation.txt");
}

std::filesystem::path StyleListPath(const std::filesystem::path& programFolder, std::string_view code) {
  return LanguageFile(programFolder, code, "-estilo.txt");
}

std::vector<std::string> ReadStyleList(const std::filesystem::path& programFolder) {
  LineList config;
  config.LoadLines(programFolder / kConfigFileName);
  LineList styles;
  styles.LoadLines(StyleListPath(programFolder, LanguageCode(config)));
  return styles.Lines();
}

std::vector<std::string> BuiltInWeightList() {
  return std::vector<std::string>(record::kBuiltInWeights.begin(), record::kBuiltInWeights.end());
}

std::vector<std::string> ReadWeightList(const std::filesystem::path& programFolder, record::Game game,
                                        bool* usedBuiltIn) {
  try {
    LineList weights;
    weights.LoadLines(programFolder / record::WeightListFileName(game));
    if (usedBuiltIn) *usedBuiltIn = false;
    return weights.Lines();
  } catch (const BEditorError&) {
    if (usedBuiltIn) *usedBuiltIn = true;
    return BuiltInWeightList();
  }
}

int ReadEditorModeNumber(const std::filesystem::path& programFolder) {
  const auto path = programFolder / kEditorModeFileName;
  if (!IsExistingFile(path)) return 0;
  LineList mode;
  mode.LoadLines(path);
  return ParseInteger(mode.LineAt(0));
}

void WriteEditorModeNumber(const std::filesystem::path& programFolder, int number) {
  LineList mode;
  mode.AppendLine(FormatInteger(number));
  mode.SaveLines(programFolder / kEditorModeFileName);
}

record::Game StartingGame(const std::filesystem::path& programFolder) {
  try {
    return record::GameFromModeNumber(ReadEditorModeNumber(programFolder));
  } catch (const BEditorError&) {
    return record::Game::TAV;
  }
}

}  // namespace beditor
