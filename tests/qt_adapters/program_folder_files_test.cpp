// The default files the build places beside the program: what the editor reads from them
// at start-up and what its save command relies on.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

#include "core/fighter_layout.h"
#include "core/file_access.h"
#include "core/line_list.h"
#include "core/number_text.h"

namespace beditor {
namespace {

const std::filesystem::path kProgramFolder = BEDITOR_PROGRAM_DIR;

LineList Load(const std::filesystem::path& relative) {
  LineList lines;
  lines.LoadLines(kProgramFolder / relative);
  return lines;
}

// Windows-1252 bytes of the window's own captions.
const std::map<int, std::string> kSpanishCaptions = {{47, "Nombre completo"},
                                                     {48, "Nombre com\xFAn"},
                                                     {49, "Estatura"},
                                                     {50, "Peso"},
                                                     {51, "Nacionalidad"},
                                                     {52, "Fecha de nacimiento"},
                                                     {53, "Pu\xF1os"},
                                                     {54, "Patadas"},
                                                     {55, "Fuerza"},
                                                     {56, "Agarres"},
                                                     {57, "Agilidad"},
                                                     {58, "Esquiva"},
                                                     {59, "Motivaci\xF3n"},
                                                     {60, "Derribo"},
                                                     {61, "Def contra derribos"},
                                                     {62, "Ground'n'Pound"},
                                                     {63, "Suelo"},
                                                     {64, "Sometimiento"},
                                                     {65, "Def contra sometiento"},
                                                     {66, "Fondo"},
                                                     {67, "Resistencia"},
                                                     {68, "Ritmo"},
                                                     {69, "Agresividad"},
                                                     {70, "Resistencia al KO"},
                                                     {71, "Estrategia"},
                                                     {72, "Categoria"},
                                                     {73, "Limpiar todo"},
                                                     {74, "Cargar Luchador"},
                                                     {75, "Guardar Luchador"},
                                                     {76, "Salir"},
                                                     {77, "ID Sherdog"},
                                                     {78, "Evaluar"},
                                                     {79, "Ground"},
                                                     {80, "Striking"},
                                                     {81, "Defense"},
                                                     {82, "Fitness"},
                                                     {83, "Mental"},
                                                     {84, "Overall"},
                                                     {107, "Estrategia suelo"},
                                                     {112, "Fighter tries fancy strikes"},
                                                     {113, "Fighter tries fancy submissions"},
                                                     {114, "Fighter plays dirty"},
                                                     {115, "Team"}};

constexpr int kMessageLines[] = {85, 86, 87, 88};

TEST(ProgramFolderFiles, ConfigChoosesSpanish) {
  const LineList config = Load("Config.txt");
  ASSERT_EQ(config.LineCount(), 1);
  EXPECT_EQ(config.LineAt(0), "ES");
}

TEST(ProgramFolderFiles, TextFilesUseCrLfLineEnds) {
  for (const char* name :
       {"Config.txt", "ES-Translation.txt", "EN-Translation.txt", "ES-estilo.txt", "EN-estilo.txt",
        "TAV Weights.txt", "JEX Weights.txt"}) {
    const std::string bytes = ReadWholeFile(kProgramFolder / name);
    // Written back by the program unchanged only when every line ends in CR LF.
    EXPECT_EQ(JoinLines(SplitLines(bytes)), bytes) << name;
  }
}

TEST(ProgramFolderFiles, SpanishTableHoldsTheWindowCaptions) {
  const LineList captions = Load("ES-Translation.txt");
  ASSERT_GE(captions.LineCount(), 116);
  for (const auto& [line, text] : kSpanishCaptions)
    EXPECT_EQ(captions.LineAt(line), text) << "line " << line;
  for (int line : kMessageLines) EXPECT_FALSE(captions.LineAt(line).empty()) << "line " << line;
}

TEST(ProgramFolderFiles, EnglishTableIsTranslated) {
  const LineList captions = Load("EN-Translation.txt");
  ASSERT_GE(captions.LineCount(), 116);
  for (const auto& [line, spanish] : kSpanishCaptions)
    EXPECT_FALSE(captions.LineAt(line).empty()) << "line " << line;
  for (int line : kMessageLines) EXPECT_FALSE(captions.LineAt(line).empty()) << "line " << line;
  EXPECT_EQ(captions.LineAt(47), "Full name");
  EXPECT_EQ(captions.LineAt(53), "Punches");
  EXPECT_EQ(captions.LineAt(78), "Evaluate");
}

TEST(ProgramFolderFiles, ListsHaveOneEntryPerChoice) {
  struct Case {
    const char* name;
    int entries;
  };
  for (const Case& c : {Case{"TAV Weights.txt", 7}, Case{"JEX Weights.txt", 6},
                        Case{"ES-estilo.txt", 3}, Case{"EN-estilo.txt", 3}}) {
    const LineList list = Load(c.name);
    ASSERT_EQ(list.LineCount(), c.entries) << c.name;
    for (const std::string& entry : list.Lines()) EXPECT_FALSE(entry.empty()) << c.name;
  }
}

TEST(ProgramFolderFiles, FolderTreeIsComplete) {
  for (const char* category : record::kAllFolders)
    EXPECT_TRUE(std::filesystem::is_directory(kProgramFolder / "Fighters" / category)) << category;
  EXPECT_FALSE(ListFolder(kProgramFolder / "Team", "*.txt").empty());
  for (const auto& team : ListFolder(kProgramFolder / "Team", "*.txt")) {
    const LineList lines = Load(std::filesystem::path("Team") / team);
    EXPECT_EQ(lines.Lines(), (std::vector<std::string>{"0", "0", "0"})) << team;
  }
}

// Every sample fighter loads without the load failure and stays in its category's folder.
TEST(ProgramFolderFiles, SampleFightersFollowTheFighterFormat) {
  // Folder of each TAV weight-list position; line 20 holds position - 1.
  const auto folders = record::CategoryFolders(record::Game::TAV);
  struct Range {
    int line, low, high;
  };
  std::vector<Range> ranges;
  for (int line = 0; line <= 16; ++line) ranges.push_back({line, 1, 20});
  ranges.insert(ranges.end(), {{23, 1, 20},
                               {19, 1, 6},
                               {20, -1, 5},
                               {27, 0, 4},
                               {28, 0, 2},
                               {29, 0, 2},
                               {30, 0, 0},
                               {32, 0, 2},
                               {33, 0, 4},
                               {34, 0, 0}});
  int fighters = 0;
  for (const auto& entry :
       std::filesystem::recursive_directory_iterator(kProgramFolder / "Fighters")) {
    if (!entry.is_regular_file()) continue;
    ++fighters;
    SCOPED_TRACE(entry.path().string());
    LineList record;
    record.LoadLines(entry.path());
    ASSERT_GE(record.LineCount(), 35);
    for (const Range& range : ranges) {
      const int value = ParseInteger(record.LineAt(range.line));
      EXPECT_GE(value, range.low) << "line " << range.line;
      EXPECT_LE(value, range.high) << "line " << range.line;
    }
    EXPECT_EQ(folders[ParseInteger(record.LineAt(20)) + 1],
              entry.path().parent_path().filename().string());
    for (int line : {17, 18, 26}) EXPECT_FALSE(record.LineAt(line).empty()) << "line " << line;
    EXPECT_EQ(entry.path().filename().string(), record.LineAt(17) + ".txt");
    const std::string& team = record.LineAt(31);
    if (team != "0") {
      EXPECT_TRUE(IsExistingFile(kProgramFolder / "Team" / (team + ".txt"))) << team;
    }
  }
  EXPECT_GE(fighters, 3);
}

}  // namespace
}  // namespace beditor
