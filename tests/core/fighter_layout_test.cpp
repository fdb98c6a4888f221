#include "core/fighter_layout.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "core/fighter_record.h"
#include "core/file_errors.h"
#include "core/program_folder_lists.h"
#include "support/temp_folder.h"

namespace beditor::record {
namespace {

TEST(FighterLayout, EveryLineHasOneFieldAndEveryColumnOneName) {
  std::set<int> lines;
  std::set<std::string> columns;
  for (const FieldLayout& field : kFields) {
    EXPECT_TRUE(lines.insert(field.line).second) << field.column;
    EXPECT_TRUE(columns.insert(field.column).second) << field.column;
    EXPECT_EQ(field.list != ChoiceList::None, field.kind == FieldKind::Choice) << field.column;
  }
  // Lines 0..33 but the two carried ones.
  for (int line = 0; line <= 33; ++line)
    EXPECT_EQ(lines.count(line), line == 30 ? 0u : 1u) << line;
  EXPECT_EQ(LayoutAtLine(30), nullptr);
  EXPECT_EQ(LayoutAtLine(34), nullptr);
  EXPECT_STREQ(LayoutAtLine(5)->title, "Dodge");
}

TEST(FighterLayout, ChoicesStoreTheirPositionWithTheirOffset) {
  EXPECT_EQ(StoredChoice(Field::GamePlan, 0), 1);
  EXPECT_EQ(StoredChoice(Field::Category, 0), -1);
  EXPECT_EQ(StoredChoice(Field::FightStyle, 2), 2);
  EXPECT_EQ(ChoicePosition(Field::Category, 5), 6);
  EXPECT_EQ(ChoicePosition(Field::GamePlan, 6), 5);
  EXPECT_STREQ(kGamePlans[kGoToTheGroundPosition], "Go to the ground");
}

TEST(FighterLayout, CategoryFoldersFollowTheGame) {
  EXPECT_EQ(CategoryFolder(Game::TAV, 2), "WW");
  EXPECT_EQ(CategoryFolder(Game::JEX, 2), "MW");
  EXPECT_EQ(CategoryFolder(Game::TAV, 6), "SHW");
  EXPECT_EQ(CategoryFolder(Game::JEX, 6), std::nullopt);
  EXPECT_EQ(CategoryFolder(Game::TAV, -1), std::nullopt);
  EXPECT_EQ(GameFromModeNumber(1), Game::JEX);
  for (int number : {0, 2, -1}) EXPECT_EQ(GameFromModeNumber(number), Game::TAV) << number;
}

TEST(FighterRecord, ALoadPadsAndReadsStyleThreeAsTwo) {
  LineList lines({"5"});
  lines.ReplaceLine(0, "5");
  for (int i = 1; i <= kFightStyle; ++i) lines.AppendLine(i == kFightStyle ? "3" : "x");
  NormaliseLoadedLines(lines);
  EXPECT_EQ(lines.LineCount(), kLoadedLineCount);
  EXPECT_EQ(lines.LineAt(kFightStyle), "2");
  EXPECT_EQ(lines.LineAt(34), "0");
}

TEST(ProgramFolderLists, EditorModeWeightsAndStyles) {
  test::TempFolder folder;
  EXPECT_EQ(ReadEditorModeNumber(folder.Path()), 0);
  EXPECT_EQ(StartingGame(folder.Path()), Game::TAV);
  WriteEditorModeNumber(folder.Path(), 1);
  EXPECT_EQ(test::ReadBytes(folder / "EditorMode.txt"), "1\r\n");
  EXPECT_EQ(StartingGame(folder.Path()), Game::JEX);
  test::WriteBytes(folder / "EditorMode.txt", "x\r\n");
  EXPECT_THROW(ReadEditorModeNumber(folder.Path()), IntegerFormatError);
  EXPECT_EQ(StartingGame(folder.Path()), Game::TAV);

  bool builtIn = false;
  EXPECT_EQ(ReadWeightList(folder.Path(), Game::JEX, &builtIn), BuiltInWeightList());
  EXPECT_TRUE(builtIn);
  test::WriteBytes(folder / "JEX Weights.txt", "Light\r\nHeavy\r\n");
  EXPECT_EQ(ReadWeightList(folder.Path(), Game::JEX, &builtIn), (std::vector<std::string>{"Light", "Heavy"}));
  EXPECT_FALSE(builtIn);

  test::WriteBytes(folder / "Config.txt", "ES\r\n");
  test::WriteBytes(folder / "ES-estilo.txt", "Limpio\r\nSucio\r\n");
  EXPECT_EQ(ReadStyleList(folder.Path()), (std::vector<std::string>{"Limpio", "Sucio"}));
  EXPECT_EQ(CaptionTablePath(folder.Path(), "EN"), folder / "EN-Translation.txt");
}

}  // namespace
}  // namespace beditor::record
