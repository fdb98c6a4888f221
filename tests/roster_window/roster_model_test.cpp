// The roster window's model against the roster tool on the same folder: the cells are the
// export's, an edit is refused or taken as the import would, and a save writes what the
// import writes.
#include <gtest/gtest.h>

#include <QColor>

#include "core/csv.h"
#include "roster_rules/refusal_text.h"
#include "roster_window/roster_cell_delegate.h"
#include "roster_model_fixture.h"
#include "support/qt_printers.h"
#include "support/refusing_files.h"

namespace beditor::test {
namespace {

using roster::test::CopyOfFixture;
using roster::test::FolderBytes;

std::string Cell(const RosterTableModel& model, const std::string& file, const std::string& column) {
  return model.data(CellOf(model, file, column)).toString().toStdString();
}

// Sets a cell as the table's editor does; the refusal, if any.
std::optional<std::string> Edit(RosterTableModel& model, const std::string& file, const std::string& column,
                                const std::string& text) {
  std::optional<std::string> refusal;
  const auto connection = QObject::connect(&model, &RosterTableModel::EditRefused,
                                           [&refusal](const QModelIndex&, const roster::Refusal& refused) {
                                             refusal = roster::EnglishRefusal(refused);
                                           });
  model.setData(CellOf(model, file, column), QString::fromStdString(text));
  QObject::disconnect(connection);
  return refusal;
}

TEST(RosterModel, CellsAndColumnsAreTheExports) {
  const auto folder = CopyOfFixture();
  const auto model = LoadedModel(folder.Path());
  const auto records = ReadCsvFile(roster::test::ExportedCsv(folder.Path()), "export").records;
  ASSERT_EQ(static_cast<std::size_t>(model->rowCount()) + 1, records.size());
  for (int column = 0; column < model->columnCount(); ++column)
    EXPECT_EQ(model->headerData(column, Qt::Horizontal, Qt::ToolTipRole).toString().toStdString(),
              records[0].cells[static_cast<std::size_t>(column)]);
  for (int row = 0; row < model->rowCount(); ++row)
    for (int column = 0; column < model->columnCount(); ++column)
      EXPECT_EQ(model->data(model->index(row, column)).toString().toStdString(),
                records[static_cast<std::size_t>(row) + 1].cells[static_cast<std::size_t>(column)])
          << "row " << row << ", " << records[0].cells[static_cast<std::size_t>(column)];
}

TEST(RosterModel, ChecksFindingsAreOnTheirCellsAndRefusedFilesCannotBeEdited) {
  const auto folder = CopyOfFixture();
  const auto model = LoadedModel(folder.Path());
  EXPECT_EQ(model->ErrorCount(), 2);
  EXPECT_EQ(model->WarningCount(), 7);
  const QModelIndex misplaced = CellOf(*model, "LW/Misplaced Welter.txt", "category");
  EXPECT_EQ(misplaced.data(RosterTableModel::kProblemRole).toInt(), 2);
  EXPECT_TRUE(misplaced.data(Qt::ToolTipRole).toString().contains("belongs in WW, not in LW"));
  EXPECT_FALSE(RosterCellDelegate::ProblemIcon(misplaced).isNull());
  EXPECT_EQ(CellOf(*model, "LW/Misplaced Welter.txt", "punches").data(RosterTableModel::kProblemRole).toInt(), 0);
  // The file cell carries every finding of its row.
  EXPECT_EQ(CellOf(*model, "HW/Twin Two.txt", "file").data(Qt::ToolTipRole).toString().count('\n'), 1);
  EXPECT_EQ(CellOf(*model, "HW/Twin Two.txt", "sherdog_id").data(RosterTableModel::kProblemRole).toInt(), 1);

  const QModelIndex broken = CellOf(*model, "FW/Broken Number.txt", "punches");
  EXPECT_FALSE(model->flags(broken) & Qt::ItemIsEditable);
  EXPECT_EQ(broken.data(Qt::ForegroundRole).value<QColor>(), QColor(Qt::gray));
  EXPECT_FALSE(model->setData(broken, "10"));
  EXPECT_TRUE(model->flags(CellOf(*model, "FW/Ana Ribeiro.txt", "punches")) & Qt::ItemIsEditable);
}

struct EditCase {
  const char* column;
  const char* text;
  record::Game game;
  bool accepted;
};

TEST(RosterModel, EditsAreRefusedAndAcceptedAsTheImportDoesWithItsMessages) {
  const auto folder = CopyOfFixture();
  const std::string file = "FW/Ana Ribeiro.txt";
  const EditCase cases[] = {
      {"punches", "16", record::Game::TAV, true},
      {"punches", "25", record::Game::TAV, false},
      {"punches", "0", record::Game::TAV, false},
      {"kicks", "ten", record::Game::TAV, false},
      {"game_plan", "Go to the ground", record::Game::TAV, true},
      {"game_plan", "Go to the ground", record::Game::JEX, false},
      {"game_plan", "5", record::Game::TAV, true},  // a stored number, as the import takes it
      {"category", "Welterweight: Max 170 lb / 77 kg", record::Game::TAV, true},
      {"category", "99", record::Game::TAV, false},
      {"fight_style", "Nonsense", record::Game::TAV, false},
      {"team", "\xC5\x81\xC3\xB3" "d\xC5\xBA Gym", record::Game::TAV, false},  // Łódź: Ł and ź are not Windows-1252
      {"team", "", record::Game::TAV, true},
      {"full_name", "Ana Ribeiro Souza", record::Game::TAV, true},
      {"nationality", "Portugu\xC3\xAAs", record::Game::TAV, true},
  };
  for (const EditCase& edit : cases) {
    SCOPED_TRACE(std::string(edit.column) + " = \"" + edit.text + "\"");
    const std::vector<std::string> mode = {"--mode", edit.game == record::Game::JEX ? "jex" : "tav"};
    const auto imported = ImportCsv(folder.Path(), EditedExport(folder.Path(), {{file, edit.column, edit.text}}, mode),
                                    {"--dry-run", "--mode", mode[1]});
    auto model = LoadedModel(folder.Path(), edit.game);
    const auto refusal = Edit(*model, file, edit.column, edit.text);
    EXPECT_EQ(!refusal, edit.accepted) << refusal.value_or("");
    EXPECT_EQ(imported.code == 0, edit.accepted) << imported.err;
    if (refusal) {
      // "NAME:ROW:COLUMN: MESSAGE": the window says MESSAGE.
      const auto firstLine = imported.err.substr(0, imported.err.find('\n'));
      EXPECT_TRUE(firstLine.ends_with(": " + *refusal)) << firstLine << " / " << *refusal;
      EXPECT_FALSE(model->HasUnsavedEdits());
    } else {
      EXPECT_TRUE(model->HasUnsavedEdits());
      EXPECT_TRUE(CellOf(*model, file, edit.column).data(RosterTableModel::kEditedRole).toBool());
    }
  }
}

TEST(RosterModel, SavingWritesWhatTheImportOfTheSameEditsWrites) {
  const auto byWindow = CopyOfFixture();
  const auto byImport = CopyOfFixture();
  const std::vector<CsvEdit> edits = {
      {"FW/Ana Ribeiro.txt", "punches", "16"},
      {"FW/Ana Ribeiro.txt", "team", "New Team"},  // no file yet: the save makes one
      {"LW/Ignacio Brevanza.txt", "category", "Welterweight: Max 170 lb / 77 kg"},  // moves to WW
      {"LW/Ignacio Brevanza.txt", "kicks", "3"},
      {"SHW/Big Tom.txt", "full_name", "Tom\xC3\xA1s Grande"},
      {"LW/Short File.txt", "takedowns", "12"},  // a file of 20 lines
      {"LW/Carried Lines.txt", "common_name", "Carrier"},
  };
  const auto imported = ImportCsv(byImport.Path(), EditedExport(byImport.Path(), edits));
  ASSERT_EQ(imported.code, 0) << imported.err;

  auto model = LoadedModel(byWindow.Path());
  for (const CsvEdit& edit : edits) ASSERT_FALSE(Edit(*model, edit.file, edit.column, edit.text));
  const auto result = model->Save();
  EXPECT_TRUE(result.wroteAll) << result.message.toStdString();
  EXPECT_EQ(FolderBytes(byWindow.Path()), FolderBytes(byImport.Path()));
  EXPECT_FALSE(model->HasUnsavedEdits());
  // The moved fighter's row names its new file, and shows what it holds.
  EXPECT_GE(RowOf(*model, "WW/Ignacio Brevanza.txt"), 0);
  EXPECT_EQ(Cell(*model, "WW/Ignacio Brevanza.txt", "kicks"), "3");
  EXPECT_FALSE(CellOf(*model, "WW/Ignacio Brevanza.txt", "kicks").data(RosterTableModel::kEditedRole).toBool());
}

TEST(RosterModel, RatingsFollowEditsAndUndoRedoRestoreThem) {
  const auto folder = CopyOfFixture();
  auto model = LoadedModel(folder.Path());
  const std::string file = "FW/Ana Ribeiro.txt";
  const std::string punches = Cell(*model, file, "punches");
  const std::string striking = Cell(*model, file, "rating_striking");
  ASSERT_FALSE(Edit(*model, file, "punches", "1"));
  ASSERT_FALSE(Edit(*model, file, "kicks", "1"));
  const std::string lowered = Cell(*model, file, "rating_striking");
  EXPECT_LT(std::stoi(lowered), std::stoi(striking));

  model->UndoStack().undo();
  model->UndoStack().undo();
  EXPECT_EQ(Cell(*model, file, "punches"), punches);
  EXPECT_EQ(Cell(*model, file, "rating_striking"), striking);
  EXPECT_FALSE(model->HasUnsavedEdits());
  EXPECT_FALSE(CellOf(*model, file, "punches").data(RosterTableModel::kEditedRole).toBool());

  model->UndoStack().redo();
  model->UndoStack().redo();
  EXPECT_EQ(Cell(*model, file, "punches"), "1");
  EXPECT_EQ(Cell(*model, file, "rating_striking"), lowered);
  EXPECT_TRUE(model->HasUnsavedEdits());

  // Typing the file's own value back is no edit.
  ASSERT_FALSE(Edit(*model, file, "punches", punches));
  EXPECT_FALSE(CellOf(*model, file, "punches").data(RosterTableModel::kEditedRole).toBool());
}

// A file another program changed since the window read it is not overwritten: the row takes
// the file's changes with its edits on top, so that the next save writes them; a file that is
// gone (the editor moved it to another category) is shown gone and named once, and never
// written back. (A field changed on both sides is the roster library's conflict.)
TEST(RosterModel, AFileChangedOnDiskIsReadAgainWithTheEditsOnTopAndAGoneFileIsNamedOnce) {
  const auto folder = CopyOfFixture();
  auto model = LoadedModel(folder.Path());
  ASSERT_FALSE(Edit(*model, "FW/Ana Ribeiro.txt", "punches", "16"));
  ASSERT_FALSE(Edit(*model, "SHW/Big Tom.txt", "punches", "16"));
  ASSERT_FALSE(Edit(*model, "LHW/Twin One.txt", "punches", "16"));
  const auto path = folder / "Fighters/FW/Ana Ribeiro.txt";
  // The second line of Ana's file is her kicks, "14".
  const auto withKicks = [](std::string bytes, const std::string& kicks) {
    const std::size_t start = bytes.find("\r\n") + 2;
    return bytes.replace(start, bytes.find("\r\n", start) - start, kicks);
  };
  // The editor meanwhile saved Ana with other kicks, and moved Twin One to another category.
  const std::string changed = withKicks(ReadBytes(path), "9") + "saved by the editor meanwhile\r\n";
  WriteBytes(path, changed);
  const std::string twinOne = ReadBytes(folder / "Fighters/LHW/Twin One.txt");
  std::filesystem::rename(folder / "Fighters/LHW/Twin One.txt", folder / "Fighters/HW/Twin One.txt");

  auto result = model->Save();
  EXPECT_FALSE(result.wroteAll);
  EXPECT_TRUE(result.message.contains("Fighters/FW/Ana Ribeiro.txt")) << result.message.toStdString();
  EXPECT_TRUE(result.message.contains("Gone from disk")) << result.message.toStdString();
  EXPECT_TRUE(result.message.contains("Fighters/LHW/Twin One.txt")) << result.message.toStdString();
  EXPECT_EQ(ReadBytes(path), changed);
  EXPECT_FALSE(std::filesystem::exists(folder / "Fighters/LHW/Twin One.txt"));
  EXPECT_TRUE(model->Gone(RowOf(*model, "LHW/Twin One.txt")));
  EXPECT_FALSE(model->flags(CellOf(*model, "LHW/Twin One.txt", "kicks")) & Qt::ItemIsEditable);
  // The other fighter is saved; Ana shows the file as it is now, with her edit on top.
  EXPECT_EQ(Cell(*model, "SHW/Big Tom.txt", "punches"), "16");
  EXPECT_FALSE(CellOf(*model, "SHW/Big Tom.txt", "punches").data(RosterTableModel::kEditedRole).toBool());
  EXPECT_TRUE(CellOf(*model, "FW/Ana Ribeiro.txt", "punches").data(RosterTableModel::kEditedRole).toBool());
  EXPECT_EQ(Cell(*model, "FW/Ana Ribeiro.txt", "kicks"), "9");

  // The second save writes Ana's edit over what the editor saved, keeping the rest of it; the
  // gone file is not an error again, its edits are still there to take back.
  result = model->Save();
  EXPECT_TRUE(result.wroteAll) << result.message.toStdString();
  EXPECT_FALSE(result.message.contains("Fighters/LHW/Twin One.txt")) << result.message.toStdString();
  EXPECT_EQ(ReadBytes(path), "16" + changed.substr(2));
  EXPECT_FALSE(CellOf(*model, "FW/Ana Ribeiro.txt", "punches").data(RosterTableModel::kEditedRole).toBool());
  EXPECT_EQ(ReadBytes(folder / "Fighters/HW/Twin One.txt"), twinOne);
  EXPECT_FALSE(std::filesystem::exists(folder / "Fighters/LHW/Twin One.txt"));
  EXPECT_TRUE(model->HasUnsavedEdits());
  EXPECT_EQ(model->DiscardGoneEdits(), 1);
  EXPECT_FALSE(model->HasUnsavedEdits());
  model->UndoStack().undo();
  EXPECT_TRUE(model->HasUnsavedEdits()) << "discarding is one step of the undo stack";
}

TEST(RosterModel, ReloadReadsARowChangedOnDisk) {
  const auto folder = CopyOfFixture();
  auto model = LoadedModel(folder.Path());
  const int row = RowOf(*model, "FW/Ana Ribeiro.txt");
  EXPECT_EQ(model->ReloadRow(row), roster::RowSync::Same);
  const auto path = folder / "Fighters/FW/Ana Ribeiro.txt";
  ReplaceFirstLine(path, "7");
  EXPECT_EQ(model->ReloadRow(row), roster::RowSync::Reloaded);
  EXPECT_EQ(Cell(*model, "FW/Ana Ribeiro.txt", "punches"), "7");
}

#ifndef _WIN32
TEST(RosterModel, AFolderThatCannotBeListedIsNamedAndCountedAsAnError) {
  const auto folder = CopyOfFixture();
  std::unique_ptr<RosterTableModel> model;
  WithUnlistableFolder(folder / "Fighters/LW", [&] { model = LoadedModel(folder.Path()); });
  ASSERT_EQ(model->UnlistedFolders().size(), 1u);
  EXPECT_EQ(model->UnlistedFolders()[0].display, "Fighters/LW");
  EXPECT_EQ(RowOf(*model, "LW/Misplaced Welter.txt"), -1);
  // As the roster tool's check counts the same folder: the folder, and one file's error.
  EXPECT_EQ(model->rowCount(), 8);
  EXPECT_EQ(model->ErrorCount(), 2);
  EXPECT_EQ(model->WarningCount(), 5);
}
#endif

}  // namespace
}  // namespace beditor::test
