// The roster window's rows without a window: edits merged field by field with a file that
// another program changed meanwhile, a conflict settled by the player, a file that broke or
// went away.
#include <gtest/gtest.h>

#include <functional>
#include <sstream>

#include "core/file_access.h"
#include "roster_rules/edited_roster.h"
#include "roster_rules/field_merge.h"
#include "roster_run.h"
#include "support/line_edit.h"
#include "support/temp_folder.h"

namespace beditor::roster::test {
namespace {

namespace fs = std::filesystem;
using beditor::test::ReadBytes;
using beditor::test::WithLine;
using beditor::test::WriteBytes;

std::size_t FieldNamed(const std::string& column) {
  for (std::size_t field = 0; field < record::kFields.size(); ++field)
    if (record::kFields[field].column == column) return field;
  ADD_FAILURE() << "no column " << column;
  return 0;
}

constexpr int kPunchesLine = 0;
constexpr int kKicksLine = 1;
constexpr int kNationalityLine = 24;


class EditedRosterTest : public ::testing::Test {
 protected:
  EditedRosterTest() : folder_(CopyOfFixture()), context_{folder_.Path(), record::Game::TAV, quiet_, quiet_, false} {
    roster_.StartLoad();
    roster_.Append(roster_.ReadSome(std::chrono::steady_clock::time_point::max()));
  }

  std::size_t Row(const std::string& file) const {
    for (std::size_t row = 0; row < roster_.Size(); ++row)
      if (roster_.Row(row).file.cell == file) return row;
    ADD_FAILURE() << "no row " << file;
    return 0;
  }
  std::string Cell(const std::string& file, const std::string& column) const {
    return roster_.Cell(Row(file), FieldNamed(column));
  }
  // Types the cell as the window does; false when refused or no edit.
  bool Type(const std::string& file, const std::string& column, const std::string& text) {
    const auto check = roster_.CheckEdit(Row(file), FieldNamed(column), text);
    if (check.refusal || !check.changes) return false;
    roster_.SetEdit(Row(file), FieldNamed(column), check.after);
    return true;
  }
  RosterSave Save() {
    ImportWriteReport report;
    return roster_.Save(report);
  }
  fs::path Ana() const { return folder_ / "Fighters/FW/Ana Ribeiro.txt"; }

  beditor::test::TempFolder folder_;
  std::ostringstream quiet_;
  RosterContext context_;
  EditedRoster roster_{context_};
};

TEST(FieldMergeRule, EachSideChangedOrNot) {
  struct Case {
    const char *base, *mine, *theirs;
    FieldMerge merge;
  };
  for (const Case& c : {Case{"12", "12", "12", FieldMerge::Unchanged}, Case{"12", "12", "19", FieldMerge::Theirs},
                        Case{"12", "16", "12", FieldMerge::Mine}, Case{"12", "16", "16", FieldMerge::Same},
                        Case{"12", "16", "19", FieldMerge::Conflict}, Case{"7", "07", "7", FieldMerge::Mine}})
    EXPECT_EQ(MergeField(c.base, c.mine, c.theirs), c.merge) << c.base << " " << c.mine << " " << c.theirs;
}

// Ana's punches and common name are edited; then another program changes her file. The
// save never overwrites what it did: each case says where the edits stand afterwards.
TEST(EditedRoster, EditsMeetAFileChangedOnDiskFieldByField) {
  enum class Found { Merged, Conflicted, Held, Gone };
  struct Case {
    const char* name;
    std::function<std::string(std::string)> change;  // the file's new bytes; empty: deleted
    Found found;
    std::vector<std::string> edited, conflicts;
    const char* punches;      // as shown after the save
    const char* nationality;  // as shown after the save
  };
  const std::vector<Case> cases = {
      {"another field changed", [](std::string b) { return WithLine(b, kNationalityLine, "Portugal"); },
       Found::Merged, {"punches", "common_name"}, {}, "16", "Portugal"},
      {"the same field to the same value",
       [](std::string b) { return WithLine(WithLine(b, kPunchesLine, "16"), kNationalityLine, "Portugal"); },
       Found::Merged, {"common_name"}, {}, "16", "Portugal"},
      {"the same field to another value",
       [](std::string b) { return WithLine(WithLine(b, kPunchesLine, "19"), kNationalityLine, "Portugal"); },
       Found::Conflicted, {"punches", "common_name"}, {"punches"}, "16", "Portugal"},
      {"the file cannot be loaded", [](std::string b) { return WithLine(b, kKicksLine, "1O"); }, Found::Held,
       {"punches", "common_name"}, {}, "16", "Brasil"},
      {"the file is gone", [](std::string) { return std::string(); }, Found::Gone, {"punches", "common_name"}, {},
       "16", "Brasil"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto folder = CopyOfFixture();
    std::ostringstream quiet;
    RosterContext context{folder.Path(), record::Game::TAV, quiet, quiet, false};
    EditedRoster roster(context);
    roster.StartLoad();
    roster.Append(roster.ReadSome(std::chrono::steady_clock::time_point::max()));
    const fs::path path = folder / "Fighters/FW/Ana Ribeiro.txt";
    std::size_t ana = 0;
    while (roster.Row(ana).file.cell != "FW/Ana Ribeiro.txt") ++ana;
    for (const auto& [column, text] : {std::pair{"punches", "16"}, std::pair{"common_name", "Annie"}})
      roster.SetEdit(ana, FieldNamed(column), roster.CheckEdit(ana, FieldNamed(column), text).after);

    const std::string changed = c.change(ReadBytes(path));
    if (changed.empty())
      fs::remove(path);
    else
      WriteBytes(path, changed);
    ImportWriteReport report;
    const RosterSave save = roster.Save(report);
    const std::map<Found, const std::vector<std::size_t>*> found = {
        {Found::Merged, &save.merged}, {Found::Conflicted, &save.conflicted}, {Found::Held, &save.held},
        {Found::Gone, &save.gone}};
    for (const auto& [kind, rows] : found)
      EXPECT_EQ(*rows, kind == c.found ? std::vector<std::size_t>{ana} : std::vector<std::size_t>{});
    EXPECT_FALSE(save.Wrote());
    EXPECT_FALSE(save.Complete());
    // Never overwritten.
    if (changed.empty())
      EXPECT_FALSE(fs::exists(path));
    else
      EXPECT_EQ(ReadBytes(path), changed);
    std::vector<std::string> edited, conflicts;
    for (const auto& [field, cell] : roster.Row(ana).edits) edited.push_back(record::kFields[field].column);
    for (const auto& [field, conflict] : roster.Row(ana).conflicts) conflicts.push_back(record::kFields[field].column);
    std::sort(edited.begin(), edited.end());
    std::vector<std::string> expected = c.edited;
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(edited, expected);
    EXPECT_EQ(conflicts, c.conflicts);
    EXPECT_EQ(roster.HasUnsavedEdits(), !c.edited.empty());
    EXPECT_EQ(roster.Cell(ana, FieldNamed("punches")), c.punches);
    EXPECT_EQ(roster.Cell(ana, FieldNamed("nationality")), c.nationality);
    EXPECT_EQ(roster.Cell(ana, FieldNamed("common_name")), "Annie");
    EXPECT_EQ(roster.Row(ana).heldByDisk, c.found == Found::Held);
    EXPECT_EQ(roster.Row(ana).gone, c.found == Found::Gone);
  }
}

TEST_F(EditedRosterTest, AMergedRowIsWrittenByTheNextSaveWithTheFilesChangesKept) {
  ASSERT_TRUE(Type("FW/Ana Ribeiro.txt", "punches", "16"));
  const std::string theirs = WithLine(ReadBytes(Ana()), kNationalityLine, "Portugal") + "saved meanwhile\r\n";
  WriteBytes(Ana(), theirs);
  EXPECT_EQ(Save().merged.size(), 1u);
  const RosterSave second = Save();
  EXPECT_TRUE(second.Complete());
  EXPECT_EQ(ReadBytes(Ana()), WithLine(theirs, kPunchesLine, "16"));
  EXPECT_FALSE(roster_.HasUnsavedEdits());
}

// Neither value is written until the player chooses; keeping theirs writes it over the file's,
// taking the file's leaves the file as it is.
TEST_F(EditedRosterTest, AConflictWaitsForThePlayersChoice) {
  struct Choice {
    bool keepMine;
    const char *typed, *files;
  };
  for (const Choice& choice : {Choice{true, "16", "19"}, Choice{false, "17", "18"}}) {
    SCOPED_TRACE(choice.keepMine ? "keep mine" : "take the file's");
    ASSERT_TRUE(Type("FW/Ana Ribeiro.txt", "punches", choice.typed));
    const std::string theirs =
        WithLine(WithLine(ReadBytes(Ana()), kPunchesLine, choice.files), kNationalityLine, choice.typed);
    WriteBytes(Ana(), theirs);
    EXPECT_EQ(Save().conflicted.size(), 1u);
    const auto& conflict = roster_.Row(Row("FW/Ana Ribeiro.txt")).conflicts.at(FieldNamed("punches"));
    EXPECT_EQ(conflict.theirs, choice.files);
    const RosterSave again = Save();
    EXPECT_EQ(again.conflicted.size(), 1u) << "still waiting";
    EXPECT_EQ(ReadBytes(Ana()), theirs);

    if (choice.keepMine)
      roster_.KeepMine(Row("FW/Ana Ribeiro.txt"), FieldNamed("punches"));
    else
      roster_.SetEdit(Row("FW/Ana Ribeiro.txt"), FieldNamed("punches"), std::nullopt);
    EXPECT_TRUE(Save().Complete());
    EXPECT_EQ(ReadBytes(Ana()), choice.keepMine ? WithLine(theirs, kPunchesLine, choice.typed) : theirs);
    EXPECT_EQ(Cell("FW/Ana Ribeiro.txt", "punches"), choice.keepMine ? choice.typed : choice.files);
    EXPECT_FALSE(roster_.HasUnsavedEdits());
    EXPECT_FALSE(roster_.HasConflicts());
  }
}

TEST_F(EditedRosterTest, EditsHeldByABrokenFileAreMergedOnceItIsMended) {
  ASSERT_TRUE(Type("FW/Ana Ribeiro.txt", "common_name", "Annie"));
  const std::string before = ReadBytes(Ana());
  WriteBytes(Ana(), WithLine(before, kKicksLine, "1O"));
  EXPECT_EQ(Save().held.size(), 1u);
  EXPECT_FALSE(roster_.Editable(Row("FW/Ana Ribeiro.txt")));
  EXPECT_EQ(roster_.SyncWithDisk(Row("FW/Ana Ribeiro.txt")), RowSync::Held);
  EXPECT_TRUE(roster_.HasUnsavedEdits());

  const std::string mended = WithLine(before, kKicksLine, "10");
  WriteBytes(Ana(), mended);
  EXPECT_EQ(roster_.SyncWithDisk(Row("FW/Ana Ribeiro.txt")), RowSync::Merged);
  EXPECT_TRUE(roster_.Editable(Row("FW/Ana Ribeiro.txt")));
  EXPECT_EQ(Cell("FW/Ana Ribeiro.txt", "kicks"), "10");
  EXPECT_TRUE(Save().Complete());
  EXPECT_EQ(ReadBytes(Ana()), WithLine(mended, 18, "Annie"));
}

// Said by the save that finds it, then kept quietly until taken back: not an error each time.
TEST_F(EditedRosterTest, AGoneFilesEditsAreSaidOnceAndCanBeTakenBack) {
  ASSERT_TRUE(Type("FW/Ana Ribeiro.txt", "punches", "16"));
  ASSERT_TRUE(Type("SHW/Big Tom.txt", "punches", "16"));
  fs::remove(Ana());
  const RosterSave first = Save();
  EXPECT_EQ(first.gone.size(), 1u);
  EXPECT_TRUE(first.Wrote()) << "Big Tom is written all the same";
  const RosterSave second = Save();
  EXPECT_TRUE(second.gone.empty());
  EXPECT_EQ(second.goneKept, 1u);
  EXPECT_TRUE(second.Complete());
  EXPECT_FALSE(fs::exists(Ana()));
  roster_.SetEdit(Row("FW/Ana Ribeiro.txt"), FieldNamed("punches"), std::nullopt);
  EXPECT_FALSE(roster_.HasUnsavedEdits());
}

// The update is shown as edits, new rows and team files waiting; nothing is written until the
// save, which writes what `merge` writes for the same pair, every byte of the update's lines
// too (Ana's kicks "14" written "014": the same cell, another line).
TEST_F(EditedRosterTest, AnUpdateIsShownAsEditsAndItsSaveWritesWhatMergeWrites) {
  const auto update = CopyOfFixture();
  MakeSimpleUpdate(update.Path());
  const fs::path updatedAna = update / "Fighters/FW/Ana Ribeiro.txt";
  WriteBytes(updatedAna, WithLine(ReadBytes(updatedAna), kKicksLine, "014"));
  const auto merged = CopyOfFixture();
  const RunResult merge = RunTool(merged.Path(), {"merge", update.Path().string()});
  ASSERT_EQ(merge.code, 0) << merge.err;
  const auto before = FolderBytes(folder_.Path());

  const ShownUpdate shown = roster_.ShowUpdate(update.Path());
  ASSERT_TRUE(shown.Shown());
  EXPECT_EQ(shown.edits.size(), 3u);
  EXPECT_EQ(shown.changedFighters, 2u);
  EXPECT_EQ(shown.moved, 1u);
  EXPECT_EQ(shown.teamFiles, std::vector<std::string>{"Blue Corner.txt"});
  EXPECT_TRUE(shown.placesNotShown.empty());
  EXPECT_EQ(FolderBytes(folder_.Path()), before) << "nothing written before the save";
  EXPECT_TRUE(roster_.HasUnsavedEdits());
  const RosterRow& ana = roster_.Row(Row("FW/Ana Ribeiro.txt"));
  EXPECT_TRUE(ana.EditFromUpdate(FieldNamed("punches")));
  EXPECT_EQ(Cell("FW/Ana Ribeiro.txt", "punches"), "16");
  EXPECT_EQ(roster_.CellBefore(Row("FW/Ana Ribeiro.txt"), FieldNamed("punches")), "12");
  EXPECT_EQ(Cell("MW/Sergio Ortega.txt", "category"), "Welterweight: Max 170 lb / 77 kg");
  ASSERT_EQ(shown.newRows.size(), 1u);
  const RosterRow& newGuy = roster_.Row(shown.newRows[0]);
  EXPECT_EQ(newGuy.file.cell, "LW/New Guy.txt");
  EXPECT_TRUE(newGuy.ToCreate());
  EXPECT_FALSE(roster_.Editable(shown.newRows[0]));

  const RosterSave save = Save();
  EXPECT_TRUE(save.Complete());
  EXPECT_EQ(FolderBytes(folder_.Path()), FolderBytes(merged.Path()));
  EXPECT_FALSE(roster_.HasUnsavedEdits());
  EXPECT_EQ(roster_.Row(Row("WW/Sergio Ortega.txt")).file.cell, "WW/Sergio Ortega.txt");
  EXPECT_TRUE(roster_.ShowUpdate(update.Path()).Empty()) << "taken whole";
}

// Refused over the player's unsaved edits and on no update folder; each part of a shown update
// can be taken back (as the window's undo and "Keep mine" do), and a rename no edit can make
// is named, not dropped.
TEST_F(EditedRosterTest, AnUpdateWaitsForSavedEditsAndEachOfItsPartsCanBeTakenBack) {
  const auto update = CopyOfFixture();
  MakeSimpleUpdate(update.Path());
  fs::rename(update / "Fighters/SHW/Big Tom.txt", update / "Fighters/SHW/Tom Big.txt");
  EXPECT_EQ(roster_.ShowUpdate(folder_.Path()).folderProblem, OtherFolderProblem::OwnFolder);
  EXPECT_EQ(roster_.ShowUpdate(update / "Fighters").folderProblem, OtherFolderProblem::NoFightersFolder);

  ASSERT_TRUE(Type("FW/Ana Ribeiro.txt", "kicks", "3"));
  EXPECT_EQ(roster_.ShowUpdate(update.Path()).refused, ShownUpdate::Refused::UnsavedEdits);
  EXPECT_FALSE(roster_.Row(Row("FW/Ana Ribeiro.txt")).updateCells.count(FieldNamed("punches")));
  roster_.SetEdit(Row("FW/Ana Ribeiro.txt"), FieldNamed("kicks"), std::nullopt);

  const auto before = FolderBytes(folder_.Path());
  const ShownUpdate shown = roster_.ShowUpdate(update.Path());
  ASSERT_TRUE(shown.Shown());
  EXPECT_EQ(shown.placesNotShown,
            (std::vector<std::pair<std::string, std::string>>{{"Fighters/SHW/Big Tom.txt", "Fighters/SHW/Tom Big.txt"}}));
  for (const ShownUpdate::Edit& edit : shown.edits) roster_.SetEdit(edit.row, edit.field, std::nullopt);
  roster_.SetCreation(shown.newRows, false);
  roster_.SetTeamFilesToCopy({});
  EXPECT_FALSE(roster_.HasUnsavedEdits());
  EXPECT_TRUE(Save().Complete());
  EXPECT_EQ(FolderBytes(folder_.Path()), before);
}

}  // namespace
}  // namespace beditor::roster::test
