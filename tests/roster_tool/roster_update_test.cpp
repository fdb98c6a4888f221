// Roster updates: another program folder's roster compared with the player's (`diff`) and
// taken into it (`merge`), its fighters matched by place or by identifier, with or without the
// earlier version of the update as the base of a three-way merge.
#include <gtest/gtest.h>

#include <functional>

#include "core/csv.h"
#include "roster_rules/fighter_matching.h"
#include "roster_run.h"
#include "support/line_edit.h"

namespace beditor::roster::test {
namespace {

namespace fs = std::filesystem;
using beditor::test::ReadBytes;
using beditor::test::WithLine;
using beditor::test::WriteBytes;

void EditLine(const fs::path& file, int line, const std::string& text) {
  WriteBytes(file, WithLine(ReadBytes(file), line, text));
}

// The lines of the fields the tests change, from 0.
constexpr int kPunches = 0, kKicks = 1, kFullName = 17, kCategory = 20, kNationality = 24, kSherdogId = 26;

// The roster maker's update of the sample roster: Ana's punches changed, Sergio moved from MW
// to WW, Big Tom's file renamed, a new fighter, Twin One moved (but the twins share an
// identifier), Ignacio dropped, a new team.
void MakeUpdate(const fs::path& update) {
  const fs::path fighters = update / "Fighters";
  EditLine(fighters / "FW/Ana Ribeiro.txt", kPunches, "16");
  fs::rename(fighters / "MW/Sergio Ortega.txt", fighters / "WW/Sergio Ortega.txt");
  EditLine(fighters / "WW/Sergio Ortega.txt", kCategory, "1");
  fs::rename(fighters / "SHW/Big Tom.txt", fighters / "SHW/Tom Big.txt");
  fs::rename(fighters / "LW/Ignacio Brevanza.txt", fighters / "LW/New Guy.txt");
  EditLine(fighters / "LW/New Guy.txt", kFullName, "New Guy");
  EditLine(fighters / "LW/New Guy.txt", kSherdogId, "3003");
  fs::rename(fighters / "LHW/Twin One.txt", fighters / "HW/Twin One.txt");
  EditLine(fighters / "HW/Twin One.txt", kCategory, "4");
  WriteBytes(update / "Team/Blue Corner.txt", "1\r\n2\r\n3\r\n");
}

TEST(FighterMatching, ByPlaceThenByIdentifierThenByNameEachHeldByOneFighterOnEachSide) {
  const auto fighter = [](const std::string& cell, const std::string& id, const std::string& fullName = "A") {
    SnapshotFighter f;
    f.file = FileFromCell(cell);
    for (int line = 0; line < 35; ++line)
      f.bytes += (line == kSherdogId ? id : line == kFullName ? fullName : std::string("1")) + "\r\n";
    return f;
  };
  struct Case {
    const char* name;
    std::vector<SnapshotFighter> mine, theirs;
    std::vector<std::pair<int, int>> pairs;  // (mine, theirs), -1 for none
  };
  const std::vector<Case> cases = {
      {"same place", {fighter("LW/A.txt", "5")}, {fighter("LW/A.txt", "5")}, {{0, 0}}},
      {"same place, no identifier on one side", {fighter("LW/A.txt", "0")}, {fighter("LW/A.txt", "5")}, {{0, 0}}},
      {"same place, other identifiers", {fighter("LW/A.txt", "5")}, {fighter("LW/A.txt", "6")}, {{-1, 0}, {0, -1}}},
      {"moved", {fighter("LW/A.txt", "5")}, {fighter("WW/A.txt", "5")}, {{0, 0}}},
      {"renamed", {fighter("LW/A.txt", "5")}, {fighter("LW/B.txt", "5")}, {{0, 0}}},
      {"a place wins over an identifier",
       {fighter("LW/A.txt", "0"), fighter("LW/B.txt", "6")},
       {fighter("LW/A.txt", "6")},
       {{0, 0}, {1, -1}}},
      {"an identifier two fighters claim", {fighter("LW/A.txt", "5"), fighter("HW/B.txt", "5")},
       {fighter("WW/A.txt", "5")}, {{-1, 0}, {0, -1}, {1, -1}}},
      {"placeholders", {fighter("LW/A.txt", "0"), fighter("LW/B.txt", "-1"), fighter("LW/C.txt", "07")},
       {fighter("WW/D.txt", "0"), fighter("WW/E.txt", "-1"), fighter("WW/F.txt", "07")},
       {{-1, 0}, {-1, 1}, {-1, 2}, {0, -1}, {1, -1}, {2, -1}}},
      {"moved without identifiers", {fighter("LW/A.txt", "0")}, {fighter("WW/A.txt", "0")}, {{0, 0}}},
      {"moved, its name in another case", {fighter("LW/Ana Lee.txt", "0")}, {fighter("WW/ANA LEE.txt", "0")},
       {{0, 0}}},
      {"moved, its name in another case beyond ASCII", {fighter("LW/Peña.txt", "0")}, {fighter("WW/PEÑA.txt", "0")},
       {{0, 0}}},
      // An identifier would have found it; a full name of its own is another fighter.
      {"the same name, an identifier on one side", {fighter("LW/A.txt", "5")}, {fighter("WW/A.txt", "0")},
       {{-1, 0}, {0, -1}}},
      {"the same name, another full name", {fighter("LW/A.txt", "0", "Ann")}, {fighter("WW/A.txt", "0", "Anne")},
       {{-1, 0}, {0, -1}}},
      {"the same name, other identifiers", {fighter("LW/A.txt", "5")}, {fighter("WW/A.txt", "6")}, {{-1, 0}, {0, -1}}},
      {"a name two fighters have", {fighter("LW/A.txt", "0"), fighter("HW/A.txt", "0")}, {fighter("WW/A.txt", "0")},
       {{-1, 0}, {0, -1}, {1, -1}}},
      {"a name is matched among the fighters left",
       {fighter("LW/A.txt", "0"), fighter("HW/A.txt", "0")},
       {fighter("HW/A.txt", "0"), fighter("WW/A.txt", "0")},
       {{1, 0}, {0, 1}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    RosterSnapshot mine, theirs;
    mine.fighters = c.mine;
    theirs.fighters = c.theirs;
    std::vector<std::pair<int, int>> pairs;
    for (const FighterPair& pair : MatchFighters(mine, theirs))
      pairs.emplace_back(pair.mine ? static_cast<int>(*pair.mine) : -1, pair.theirs ? static_cast<int>(*pair.theirs) : -1);
    EXPECT_EQ(pairs, c.pairs);
  }
}

TEST(RosterDiff, ListsNewOwnMovedAndChangedFightersAndTeamFiles) {
  const auto mine = CopyOfFixture();
  const auto update = CopyOfFixture();
  const RunResult same = RunTool(mine.Path(), {"diff", update.Path().string()});
  EXPECT_EQ(same.code, 0) << same.err;
  MakeUpdate(update.Path());

  const RunResult result = RunTool(mine.Path(), {"diff", update.Path().string()});
  EXPECT_EQ(result.code, 1) << result.err;
  EXPECT_EQ(result.out,
            "Fighters/FW/Ana Ribeiro.txt: punches: \"12\" -> \"16\"\n"
            "new: Fighters/LW/New Guy.txt\n"
            "moved: Fighters/MW/Sergio Ortega.txt -> Fighters/WW/Sergio Ortega.txt\n"
            "Fighters/MW/Sergio Ortega.txt: category: \"Middleweight: Max 185 lb / 84 kg\" -> "
            "\"Welterweight: Max 170 lb / 77 kg\"\n"
            "new: Fighters/HW/Twin One.txt\n"
            "moved: Fighters/SHW/Big Tom.txt -> Fighters/SHW/Tom Big.txt\n"
            "only here: Fighters/LW/Ignacio Brevanza.txt\n"
            "only here: Fighters/LHW/Twin One.txt\n"
            "new team file: Team/Blue Corner.txt\n"
            "7 fighters differ: 2 new, 2 only here, 2 moved, 2 changed; team files: 1 new, 0 only here\n");

  const RunResult csv = RunTool(mine.Path(), {"diff", update.Path().string(), "--csv"});
  EXPECT_EQ(csv.code, 1);
  EXPECT_EQ(csv.out.substr(0, csv.out.find('\n')), std::string(kUtf8ByteOrderMark) + "change,file,update_file,column,here,update\r");
  EXPECT_NE(csv.out.find("changed,Fighters/FW/Ana Ribeiro.txt,Fighters/FW/Ana Ribeiro.txt,punches,12,16\r\n"),
            std::string::npos)
      << csv.out;
}

TEST(RosterDiff, AFolderThatIsNoProgramFolderOrTheRostersOwnIsTrouble) {
  const auto mine = CopyOfFixture();
  const beditor::test::TempFolder empty;
  for (const fs::path& other : {empty.Path(), mine.Path(), empty.Path() / "missing"}) {
    for (const char* command : {"diff", "merge"}) {
      const RunResult result = RunTool(mine.Path(), {command, other.string()});
      EXPECT_EQ(result.code, 2) << command << " " << other;
      EXPECT_NE(result.err.find("error: "), std::string::npos) << result.err;
    }
  }
  // The update as its own base would take nothing, quietly.
  const auto update = CopyOfFixture();
  const RunResult itself = RunTool(mine.Path(), {"merge", update.Path().string(), "--base", update.Path().string()});
  EXPECT_EQ(itself.code, 2);
  EXPECT_NE(itself.err.find("is the update itself"), std::string::npos) << itself.err;
}

// Without a base the update's values are taken; moved fighters are moved, not copied; the
// player's own fighters stay; a second run finds nothing to do.
TEST(RosterMerge, TakesTheUpdateMovingFightersOnceAndKeepingThePlayersOwn) {
  const auto mine = CopyOfFixture();
  const auto update = CopyOfFixture();
  MakeUpdate(update.Path());
  auto expected = FolderBytes(update.Path());
  const auto before = FolderBytes(mine.Path());
  for (const char* own : {"Fighters/LW/Ignacio Brevanza.txt", "Fighters/LHW/Twin One.txt"})
    expected[own] = before.at(own);
  // Sergio's team gets its file as a save in the editor gives it one.
  expected["Team/Ghost Gym.txt"] = "0\r\n0\r\n0\r\n";

  const RunResult dryRun = RunTool(mine.Path(), {"merge", update.Path().string(), "--dry-run"});
  EXPECT_EQ(dryRun.code, 0) << dryRun.err;
  EXPECT_EQ(FolderBytes(mine.Path()), before);
  EXPECT_NE(dryRun.out.find("Fighters/MW/Sergio Ortega.txt: would move to Fighters/WW/Sergio Ortega.txt\n"),
            std::string::npos)
      << dryRun.out;
  EXPECT_NE(dryRun.out.find("Team/Blue Corner.txt: would be copied from the update\n"), std::string::npos);

  const RunResult result = RunTool(mine.Path(), {"merge", update.Path().string()});
  EXPECT_EQ(result.code, 0) << result.err;
  EXPECT_NE(result.out.find("1 changed, 2 moved, 2 created, 7 unchanged; 2 team files created\n"), std::string::npos)
      << result.out;
  EXPECT_EQ(FolderBytes(mine.Path()), expected);

  const RunResult again = RunTool(mine.Path(), {"merge", update.Path().string()});
  EXPECT_EQ(again.code, 0) << again.err;
  EXPECT_NE(again.out.find("0 changed, 0 moved, 0 created, 12 unchanged\n"), std::string::npos) << again.out;
  EXPECT_EQ(FolderBytes(mine.Path()), expected);
}

// With the update the player took before as the base: the player's changes since stay, the
// update's are taken, a field both changed is a conflict that keeps the player's value.
TEST(RosterMerge, WithABaseEachFieldIsMergedThreeWaysAndAConflictKeepsThePlayers) {
  const auto base = CopyOfFixture();
  const auto mine = CopyOfFixture();
  const auto update = CopyOfFixture();
  const fs::path ana = "Fighters/FW/Ana Ribeiro.txt";
  EditLine(mine / ana.string(), kKicks, "10");
  EditLine(mine / ana.string(), kPunches, "13");
  fs::rename(mine / "Fighters/SHW/Big Tom.txt", mine / "Fighters/SHW/Thomas.txt");
  // Ignacio has no identifier ("0"): the player's move is found by his file's name.
  EditLine(mine / "Fighters/LW/Ignacio Brevanza.txt", kCategory, "1");
  fs::rename(mine / "Fighters/LW/Ignacio Brevanza.txt", mine / "Fighters/WW/Ignacio Brevanza.txt");
  EditLine(update / "Fighters/LW/Ignacio Brevanza.txt", kPunches, "19");
  EditLine(update / ana.string(), kPunches, "16");
  EditLine(update / ana.string(), kNationality, "Portugal");
  EditLine(update / "Fighters/SHW/Big Tom.txt", kPunches, "18");

  const RunResult result =
      RunTool(mine.Path(), {"merge", update.Path().string(), "--base", base.Path().string()});
  EXPECT_EQ(result.code, 1) << "a conflict is for a script to see";
  EXPECT_NE(result.out.find("conflict: Fighters/FW/Ana Ribeiro.txt: punches: base \"12\", here \"13\", update "
                            "\"16\": yours kept\n"),
            std::string::npos)
      << result.out;
  std::string expected = ReadBytes(base / ana.string());
  for (const auto& [line, text] : {std::pair{kKicks, "10"}, {kPunches, "13"}, {kNationality, "Portugal"}})
    expected = WithLine(expected, line, text);
  EXPECT_EQ(ReadBytes(mine / ana.string()), expected);
  // The player's rename stays; the update's change to the fighter reaches it there.
  EXPECT_FALSE(fs::exists(mine / "Fighters/SHW/Big Tom.txt"));
  EXPECT_EQ(ReadBytes(mine / "Fighters/SHW/Thomas.txt"), ReadBytes(update / "Fighters/SHW/Big Tom.txt"));
  EXPECT_FALSE(fs::exists(mine / "Fighters/LW/Ignacio Brevanza.txt"));
  EXPECT_EQ(ReadBytes(mine / "Fighters/WW/Ignacio Brevanza.txt"),
            WithLine(ReadBytes(update / "Fighters/LW/Ignacio Brevanza.txt"), kCategory, "1"));
}

// The base must say what changed: a fighter the update brought since it is not the player's
// own of the same name, and a base file that cannot be read refuses the merge.
TEST(RosterMerge, WithABaseANewFighterIsNotThePlayersOfTheSameNameAndAnUnreadableBaseRefuses) {
  const auto base = CopyOfFixture();
  const auto mine = CopyOfFixture();
  const auto update = CopyOfFixture();
  const std::string john = WithLine(WithLine(ReadBytes(mine / "Fighters/LW/Ignacio Brevanza.txt"), kFullName,
                                             "John Doe"), kCategory, "-1");
  WriteBytes(mine / "Fighters/FW/John Doe.txt", WithLine(john, kPunches, "3"));
  WriteBytes(update / "Fighters/HW/John Doe.txt", WithLine(john, kCategory, "4"));
  const auto ownJohn = ReadBytes(mine / "Fighters/FW/John Doe.txt");
  const RunResult result = RunTool(mine.Path(), {"merge", update.Path().string(), "--base", base.Path().string()});
  EXPECT_EQ(result.code, 0) << result.err;
  EXPECT_EQ(ReadBytes(mine / "Fighters/FW/John Doe.txt"), ownJohn);
  EXPECT_EQ(ReadBytes(mine / "Fighters/HW/John Doe.txt"), ReadBytes(update / "Fighters/HW/John Doe.txt"));

  // Read as no base, the player's kicks would be taken for a change of the update's.
  EditLine(mine / "Fighters/FW/Ana Ribeiro.txt", kKicks, "3");
  EditLine(update / "Fighters/FW/Ana Ribeiro.txt", kPunches, "18");
  fs::remove(base / "Fighters/FW/Ana Ribeiro.txt");
  fs::create_directory(base / "Fighters/FW/Ana Ribeiro.txt");
  const auto before = FolderBytes(mine.Path());
  const RunResult refused = RunTool(mine.Path(), {"merge", update.Path().string(), "--base", base.Path().string()});
  EXPECT_EQ(refused.code, 1);
  EXPECT_NE(refused.err.find("file: base: Fighters/FW/Ana Ribeiro.txt: "), std::string::npos) << refused.err;
  EXPECT_EQ(FolderBytes(mine.Path()), before);
}

// Planned whole first, by the import's rules: one fighter the merge cannot read, or a value
// the editor could not load or the import would refuse, refuses it all; nothing is copied.
TEST(RosterMerge, AnUpdateTheImportWouldRefuseIsRefusedWhole) {
  struct Case {
    const char* name;
    std::function<void(const fs::path& mine, const fs::path& update)> spoil;
    const char* says;
  };
  std::vector<Case> cases = {
      {"a file that cannot be read", [](const fs::path&, const fs::path& u) { fs::create_directory(u / "Fighters/LW/Not A File.txt"); },
       "file: "},
      {"a number line the editor cannot load",
       [](const fs::path&, const fs::path& u) { EditLine(u / "Fighters/FW/Ana Ribeiro.txt", kPunches, "1O"); },
       "punches: \"1O\" is not an integer from 1 to 20"},
      {"a choice that is neither an entry nor a number",
       [](const fs::path&, const fs::path& u) { EditLine(u / "Fighters/FW/Ana Ribeiro.txt", 19, "zz"); }, "game_plan: \"zz\" is neither"},
      {"a category without a folder",
       [](const fs::path&, const fs::path& u) { EditLine(u / "Fighters/FW/Ana Ribeiro.txt", kCategory, "-7"); }, "category: "},
      {"a new fighter the editor cannot load",
       [](const fs::path&, const fs::path& u) {
         EditLine(u / "Fighters/LW/New Guy.txt", kKicks, "x");
       },
       "kicks: \"x\""},
      // The player keeps another fighter (another identifier) where the update moves Sergio.
      {"a place another fighter holds",
       [](const fs::path& m, const fs::path&) {
         WriteBytes(m / "Fighters/WW/Sergio Ortega.txt",
                    WithLine(ReadBytes(m / "Fighters/HW/Ground Only.txt"), kSherdogId, "4004"));
       },
       "already exists"},
      // Nothing to create it from: an empty file would land in the category a missing line
      // selects.
      {"a new fighter's file cut before its category",
       [](const fs::path&, const fs::path& u) { WriteBytes(u / "Fighters/WW/Ghost.txt", ""); },
       "update: Fighters/WW/Ghost.txt: file: 0 lines, cut before its weight category"},
      {"a folder under a team file's name",
       [](const fs::path&, const fs::path& u) { fs::create_directory(u / "Team/Aaa Folder.txt"); },
       "update: Team/Aaa Folder.txt: file: not a file: not copied"},
  };
#ifndef _WIN32
  // A link could lead anywhere on the player's disk.
  cases.push_back({"a link under a team file's name",
                   [](const fs::path& m, const fs::path& u) { fs::create_symlink(m / "Config.txt", u / "Team/Evil.txt"); },
                   "update: Team/Evil.txt: file: a link, not a file of the update's own"});
  cases.push_back({"a Team folder that is a link",
                   [](const fs::path&, const fs::path& u) {
                     fs::remove_all(u / "Team");
                     fs::create_directory(u / "Elsewhere");
                     WriteBytes(u / "Elsewhere/Private.txt", "secret\r\n");
                     fs::create_directory_symlink(u / "Elsewhere", u / "Team");
                   },
                   "update: Team/Private.txt: file: the update's Team folder is a link"});
#endif
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const auto mine = CopyOfFixture();
    const auto update = CopyOfFixture();
    MakeUpdate(update.Path());
    c.spoil(mine.Path(), update.Path());
    const auto before = FolderBytes(mine.Path());
    const RunResult result = RunTool(mine.Path(), {"merge", update.Path().string()});
    EXPECT_EQ(result.code, 1);
    EXPECT_NE(result.err.find(c.says), std::string::npos) << result.err;
    EXPECT_NE(result.err.find("nothing was written"), std::string::npos) << result.err;
    EXPECT_EQ(FolderBytes(mine.Path()), before);
  }
}

// What the update does not really say is not taken: identifiers that are placeholders match
// no one, lines past the end of a short file are no values, and two fighters at one place
// with different identifiers are two fighters.
TEST(RosterMerge, PlaceholdersAndShortFilesChangeNothingOfThePlayers) {
  const auto mine = CopyOfFixture();
  const auto update = CopyOfFixture();
  // The player's Ignacio carries a placeholder; the update brings a newcomer with the same one.
  EditLine(mine / "Fighters/LW/Ignacio Brevanza.txt", kSherdogId, "-1");
  WriteBytes(update / "Fighters/MW/Newcomer.txt",
             WithLine(WithLine(ReadBytes(update / "Fighters/MW/Sergio Ortega.txt"), kSherdogId, "-1"), kFullName,
                      "Newcomer"));
  fs::remove(update / "Fighters/LW/Ignacio Brevanza.txt");
  // Ana's file cut short in the update: her Sherdog ID and everything after are not there.
  const std::string ana = ReadBytes(update / "Fighters/FW/Ana Ribeiro.txt");
  std::size_t cut = 0;
  for (int line = 0; line < 26; ++line) cut = ana.find("\r\n", cut) + 2;
  WriteBytes(update / "Fighters/FW/Ana Ribeiro.txt", WithLine(ana.substr(0, cut), kPunches, "16"));
  // The update has no identifier for Big Tom: his stays.
  EditLine(update / "Fighters/SHW/Big Tom.txt", kSherdogId, "0");
  const std::string ignacio = ReadBytes(mine / "Fighters/LW/Ignacio Brevanza.txt");
  const std::string anaBefore = ReadBytes(mine / "Fighters/FW/Ana Ribeiro.txt");
  const std::string tom = ReadBytes(mine / "Fighters/SHW/Big Tom.txt");

  const RunResult result = RunTool(mine.Path(), {"merge", update.Path().string()});
  EXPECT_EQ(result.code, 0) << result.err;
  EXPECT_EQ(ReadBytes(mine / "Fighters/SHW/Big Tom.txt"), tom);
  EXPECT_EQ(ReadBytes(mine / "Fighters/LW/Ignacio Brevanza.txt"), ignacio);
  EXPECT_TRUE(fs::exists(mine / "Fighters/MW/Newcomer.txt"));
  EXPECT_EQ(ReadBytes(mine / "Fighters/FW/Ana Ribeiro.txt"), WithLine(anaBefore, kPunches, "16"));
}

// A category folder a zip tool dropped is an empty category: the merge makes it.
TEST(RosterMerge, AMissingCategoryFolderIsMade) {
  const auto mine = CopyOfFixture();
  const auto update = CopyOfFixture();
  MakeUpdate(update.Path());
  for (const auto& entry : fs::directory_iterator(mine / "Fighters/WW")) fs::remove(entry.path());
  fs::remove(mine / "Fighters/WW");
  fs::copy_file(update / "Fighters/WW/Odd Values.txt", update / "Fighters/WW/Odd Values Two.txt");
  EditLine(update / "Fighters/WW/Odd Values Two.txt", kSherdogId, "5005");
  const RunResult result = RunTool(mine.Path(), {"merge", update.Path().string()});
  EXPECT_EQ(result.code, 0) << result.err;
  EXPECT_EQ(ReadBytes(mine / "Fighters/WW/Sergio Ortega.txt"), ReadBytes(update / "Fighters/WW/Sergio Ortega.txt"));
}

}  // namespace
}  // namespace beditor::roster::test
