// The roster window driven as a user does, offscreen: filtering, sorting, editing in place,
// keys, the editor opened on a fighter, the question on closing, a load stopped with Esc.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>
#include <QAction>
#include <QTableView>
#include <QTest>

#include "qt_adapters/path_text.h"
#include "roster_model_fixture.h"
#include "roster_window/roster_cell_delegate.h"
#include "roster_window/roster_filter_model.h"
#include "roster_window/roster_window.h"
#include "support/fake_dialogs.h"
#include "support/qt_printers.h"

namespace beditor::test {
namespace {

using roster::test::CopyOfFixture;

// The editor's program file in a program folder.
std::filesystem::path EditorIn(const TempFolder& folder) {
#ifdef _WIN32
  return folder / "beditor.exe";
#else
  return folder / "beditor";
#endif
}

class RosterWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteBytes(EditorIn(folder_), "");
    window_ = std::make_unique<RosterWindow>(folder_.Path(), record::Game::TAV, dialogs_);
    window_->SetLauncher([this](const QString& program, const QStringList& arguments, const QString& folder) {
      launched_.push_back({program, arguments, folder});
      return true;
    });
    window_->show();
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    window_->StartLoading();
    QTRY_VERIFY(!window_->Loading());
  }

  void TypeInto(const QModelIndex& cell, const char* text) { test::TypeInto(window_->Table(), cell, text); }

  // The view's index of a cell.
  QModelIndex Shown(const std::string& file, const std::string& column) {
    return window_->Filter().mapFromSource(CellOf(window_->Model(), file, column));
  }

  struct Launch {
    QString program;
    QStringList arguments;
    QString folder;
  };
  TempFolder folder_ = CopyOfFixture();
  FakeDialogs dialogs_;
  std::unique_ptr<RosterWindow> window_;
  std::vector<Launch> launched_;
};

TEST_F(RosterWindowTest, FilterAndCategoryKeepTheirRowsAndTheCountSaysSo) {
  EXPECT_EQ(window_->RowCountText(), "12 of 12 fighters");
  auto* filter = window_->findChild<QLineEdit*>("filterBox");
  QTest::keyClicks(filter, "twin");  // the full name, in any case
  EXPECT_EQ(window_->RowCountText(), "2 of 12 fighters");
  EXPECT_EQ(window_->findChild<QLabel*>("rowCount")->text(), "2 of 12 fighters");
  filter->clear();
  QTest::keyClicks(filter, "iron gym");  // a team
  const int ironGym = window_->Filter().rowCount();
  EXPECT_GT(ironGym, 0);
  for (int row = 0; row < ironGym; ++row)
    EXPECT_EQ(window_->Filter().index(row, ColumnNamed("team")).data().toString(), "Iron Gym");
  filter->clear();
  auto* category = window_->findChild<QComboBox*>("categoryBox");
  category->setCurrentText("Lightweight: Max 155 lb / 70 kg");
  // The misplaced welterweight sits in LW but its category cell says Welterweight.
  EXPECT_EQ(window_->RowCountText(), "3 of 12 fighters");
  EXPECT_EQ(window_->findChild<QLabel*>("problemCount")->text(), "2 errors, 7 warnings");
}

TEST_F(RosterWindowTest, SortingByARatingOrAnAbilitySortsNumbers) {
  QTableView& table = window_->Table();
  for (const std::string column : {"rating_overall", "punches"}) {
    const int section = ColumnNamed(column);
    table.horizontalHeader()->setSortIndicator(section, Qt::AscendingOrder);
    std::vector<long long> values;
    for (int row = 0; row < window_->Filter().rowCount(); ++row) {
      const QVariant value = window_->Filter().index(row, section).data(RosterTableModel::kSortRole);
      if (value.isValid() && value.typeId() != QMetaType::QString) values.push_back(value.toLongLong());
    }
    EXPECT_GE(values.size(), 10u);
    EXPECT_TRUE(std::is_sorted(values.begin(), values.end())) << column;
    // The fighter the editor refuses has no ratings: it comes last.
    if (column == "rating_overall") {
      EXPECT_EQ(window_->Filter().index(window_->Filter().rowCount() - 1, 0).data().toString(), "FW/Broken Number.txt");
    }
  }
}

TEST_F(RosterWindowTest, RatingsAreBarsInTheEvaluationsColours) {
  QTableView& table = window_->Table();
  const QModelIndex overall = Shown("FW/Ana Ribeiro.txt", "rating_overall");
  const QModelIndex ground = Shown("FW/Ana Ribeiro.txt", "rating_ground");
  table.setCurrentIndex(Shown("FW/Ana Ribeiro.txt", "file"));
  table.scrollTo(overall);
  const QImage shot = table.viewport()->grab().toImage();
  const int dpr = static_cast<int>(shot.devicePixelRatio());
  // The left end of a bar has its run's first colour: teal for Overall, red for the others.
  const auto leftEnd = [&](const QModelIndex& cell) {
    const QRect rect = table.visualRect(cell);
    return shot.pixelColor((rect.left() + 3) * dpr, (rect.top() + 4) * dpr);  // inside a 3-pixel margin
  };
  ASSERT_GT(overall.data(RosterTableModel::kRatingRole).toInt(), 5);
  EXPECT_EQ(leftEnd(overall), QColor(0, 128, 128));
  EXPECT_EQ(leftEnd(ground).red(), 255);
  EXPECT_LT(leftEnd(ground).green(), 40);
}

TEST_F(RosterWindowTest, TypingIntoACellEditsItAndARefusalIsShownWithTheOldValueKept) {
  QTableView& table = window_->Table();
  const QModelIndex punches = Shown("FW/Ana Ribeiro.txt", "punches");
  const QString before = punches.data().toString();
  TypeInto(punches, "25");
  EXPECT_EQ(window_->LastRefusal(), "Punches: \"25\" is not an integer from 1 to 20");
  EXPECT_EQ(punches.data().toString(), before);

  TypeInto(punches, "17");
  EXPECT_EQ(punches.data().toString(), "17");
  EXPECT_TRUE(window_->isWindowModified());
  QTest::keyClick(&table, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(punches.data().toString(), before);
  EXPECT_FALSE(window_->isWindowModified());
  QTest::keyClick(&table, Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(punches.data().toString(), "17");
  QTest::keyClick(&table, Qt::Key_S, Qt::ControlModifier);
  EXPECT_FALSE(window_->isWindowModified());
  EXPECT_TRUE(dialogs_.messages.empty()) << dialogs_.Texts().join('\n').toStdString();
  EXPECT_EQ(ReadBytes(folder_ / "Fighters/FW/Ana Ribeiro.txt").substr(0, 4), "17\r\n");
  // Enter ended the edits; it opened no fighter.
  EXPECT_TRUE(launched_.empty());
}

TEST_F(RosterWindowTest, TheNameOrEnterOpensTheFighterInTheEditorAndTheRowIsReadAgainOnReturn) {
  QTableView& table = window_->Table();
  const QModelIndex name = Shown("LW/Ignacio Brevanza.txt", "full_name");
  const QPoint at = table.visualRect(name).center();
  QTest::mouseClick(table.viewport(), Qt::LeftButton, {}, at);
  QTest::mouseDClick(table.viewport(), Qt::LeftButton, {}, at);
  ASSERT_EQ(launched_.size(), 1u);
  EXPECT_EQ(std::filesystem::path(launched_[0].program.toStdString()), EditorIn(folder_));
  EXPECT_EQ(launched_[0].arguments, QStringList{"LW\\Ignacio Brevanza.txt"});
  EXPECT_EQ(launched_[0].folder, QString::fromStdString(folder_.Path().string()));

  table.setCurrentIndex(Shown("SHW/Big Tom.txt", "punches"));
  QTest::keyClick(&table, Qt::Key_Return);
  ASSERT_EQ(launched_.size(), 2u);
  EXPECT_EQ(launched_[1].arguments, QStringList{"SHW\\Big Tom.txt"});

  // The editor saves the fighter; the window is active again.
  const auto path = folder_ / "Fighters/SHW/Big Tom.txt";
  ReplaceFirstLine(path, "2");
  QEvent activation(QEvent::ActivationChange);
  window_->activateWindow();
  QTRY_VERIFY(window_->isActiveWindow());
  QApplication::sendEvent(window_.get(), &activation);
  EXPECT_EQ(Shown("SHW/Big Tom.txt", "punches").data().toString(), "2");
}

// Another program folder's editor would edit that folder's fighter of the same name.
TEST_F(RosterWindowTest, WithoutAnEditorInItsProgramFolderNothingIsStartedAndTheWindowSaysSo) {
  std::filesystem::remove(EditorIn(folder_));
  window_->OpenInEditor(RowOf(window_->Model(), "LW/Ignacio Brevanza.txt"));
  EXPECT_TRUE(launched_.empty());
  ASSERT_EQ(dialogs_.messages.size(), 1u);
  EXPECT_TRUE(dialogs_.Texts().join('\n').contains("no editor in the roster's program folder"))
      << dialogs_.Texts().join('\n').toStdString();
}

// A folder named relative to the working folder (`--folder BEditor`) still opens its own
// editor, which starts in that folder.
TEST(RosterWindowFolder, ARelativeFolderOpensItsOwnEditor) {
  const TempFolder parent;
  std::filesystem::copy(CopyOfFixture().Path(), parent / "BEditor", std::filesystem::copy_options::recursive);
  const auto editor = parent / "BEditor" / EditorIn(parent).filename();
  WriteBytes(editor, "");
  const auto working = std::filesystem::current_path();
  std::filesystem::current_path(parent.Path());
  FakeDialogs dialogs;
  QString launched;
  {
    RosterWindow window("BEditor", record::Game::TAV, dialogs);
    window.SetLauncher([&](const QString& program, const QStringList&, const QString&) {
      launched = program;
      return true;
    });
    window.StartLoading();
    QTRY_VERIFY(!window.Loading());
    std::filesystem::current_path(working);
    window.OpenInEditor(RowOf(window.Model(), "FW/Ana Ribeiro.txt"));
  }
  std::filesystem::current_path(working);
  EXPECT_TRUE(dialogs.messages.empty()) << dialogs.messages[0].text.toStdString();
  ASSERT_FALSE(launched.isEmpty());
  EXPECT_TRUE(ToPath(launched).is_absolute()) << launched.toStdString();
  EXPECT_TRUE(std::filesystem::equivalent(ToPath(launched), editor)) << launched.toStdString();
}

// A value still being typed when the window closes is an edit like any other: it is asked
// about, and saved on Save.
TEST_F(RosterWindowTest, ClosingCommitsTheValueBeingTypedAndAsksAboutIt) {
  ASSERT_NE(StartTyping(window_->Table(), Shown("FW/Ana Ribeiro.txt", "punches"), "17"), nullptr);
  int asked = 0;
  window_->SetUnsavedQuestion([&] {
    ++asked;
    return QMessageBox::Save;
  });
  EXPECT_TRUE(window_->close());
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(ReadBytes(folder_ / "Fighters/FW/Ana Ribeiro.txt").substr(0, 4), "17\r\n");
}

TEST_F(RosterWindowTest, ClosingWithUnsavedEditsAsksToSaveDiscardOrCancel) {
  auto& model = window_->Model();
  ASSERT_TRUE(model.setData(CellOf(model, "FW/Ana Ribeiro.txt", "punches"), "18"));
  const std::string before = ReadBytes(folder_ / "Fighters/FW/Ana Ribeiro.txt");
  int asked = 0;
  QMessageBox::StandardButton answer = QMessageBox::Cancel;
  window_->SetUnsavedQuestion([&] {
    ++asked;
    return answer;
  });
  EXPECT_FALSE(window_->close());
  EXPECT_EQ(asked, 1);
  EXPECT_TRUE(window_->isVisible());
  answer = QMessageBox::Save;
  EXPECT_TRUE(window_->close());
  EXPECT_EQ(ReadBytes(folder_ / "Fighters/FW/Ana Ribeiro.txt").substr(0, 4), "18\r\n");
  EXPECT_NE(ReadBytes(folder_ / "Fighters/FW/Ana Ribeiro.txt"), before);

  window_->show();
  ASSERT_TRUE(model.setData(CellOf(model, "FW/Ana Ribeiro.txt", "punches"), "19"));
  answer = QMessageBox::Discard;
  EXPECT_TRUE(window_->close());
  EXPECT_EQ(ReadBytes(folder_ / "Fighters/FW/Ana Ribeiro.txt").substr(0, 4), "18\r\n");
}

// A refused value in the cell being typed is not silently dropped: Save and closing stop at
// it, the cell stays open with the value, and nothing claims all went well.
TEST_F(RosterWindowTest, ARefusedValueBeingTypedStopsTheSaveAndKeepsTheWindowOpen) {
  auto& model = window_->Model();
  ASSERT_TRUE(model.setData(CellOf(model, "SHW/Big Tom.txt", "punches"), "16"));
  const std::string bigTom = ReadBytes(folder_ / "Fighters/SHW/Big Tom.txt");
  ASSERT_NE(StartTyping(window_->Table(), Shown("FW/Ana Ribeiro.txt", "punches"), "25"), nullptr);
  int asked = 0;
  window_->SetUnsavedQuestion([&] {
    ++asked;
    return QMessageBox::Discard;
  });
  EXPECT_FALSE(window_->Save());
  EXPECT_EQ(ReadBytes(folder_ / "Fighters/SHW/Big Tom.txt"), bigTom) << "nothing is written";
  EXPECT_FALSE(window_->statusBar()->currentMessage().startsWith("Saved")) << window_->statusBar()->currentMessage().toStdString();
  EXPECT_TRUE(window_->LastRefusal().contains("25")) << window_->LastRefusal().toStdString();
  EXPECT_FALSE(window_->close());
  EXPECT_EQ(asked, 0);
  EXPECT_TRUE(window_->isVisible());
  EXPECT_TRUE(window_->isWindowModified());
}

// The same field changed in the window and in the file: the save names the column, marks the
// cell and writes neither value until the player chooses.
TEST_F(RosterWindowTest, AConflictIsNamedMarkedAndSettledByThePlayer) {
  auto& model = window_->Model();
  const auto path = folder_ / "Fighters/FW/Ana Ribeiro.txt";
  struct Choice {
    const char* action;
    const char *filesPunches, *before, *nationality;  // what the editor saves meanwhile
    const char* written;                              // the punches the next save writes
  };
  for (const Choice& choice : {Choice{"takeTheirsAction", "19", "Brasil", "Chile", "19"},
                               Choice{"keepMineAction", "18", "Chile", "Peru", "16"}}) {
    SCOPED_TRACE(choice.action);
    TypeInto(Shown("FW/Ana Ribeiro.txt", "punches"), "16");
    std::string theirs = ReadBytes(path);
    theirs.replace(0, theirs.find("\r\n"), choice.filesPunches);
    theirs.replace(theirs.find(choice.before), std::string(choice.before).size(), choice.nationality);
    WriteBytes(path, theirs);
    dialogs_.Clear();
    EXPECT_FALSE(window_->Save());
    ASSERT_EQ(dialogs_.messages.size(), 1u);
    const QString punches = model.ColumnTitle(ColumnNamed("punches"));
    EXPECT_TRUE(dialogs_.messages[0].text.contains(punches)) << dialogs_.messages[0].text.toStdString();
    const QModelIndex cell = CellOf(model, "FW/Ana Ribeiro.txt", "punches");
    EXPECT_TRUE(cell.data(RosterTableModel::kConflictRole).toBool());
    EXPECT_FALSE(RosterCellDelegate::ProblemIcon(cell).isNull());
    EXPECT_TRUE(cell.data(Qt::ToolTipRole).toString().contains(choice.filesPunches));
    EXPECT_EQ(model.data(CellOf(model, "FW/Ana Ribeiro.txt", "nationality")).toString(), choice.nationality);
    EXPECT_FALSE(window_->Save());
    EXPECT_EQ(ReadBytes(path), theirs);

    // Undoing and redoing the edit, or the choice, never leaves a plain edit over the file's
    // change.
    const bool mine = std::string(choice.action) == "keepMineAction";
    if (mine) {
      model.UndoStack().undo();
      EXPECT_FALSE(cell.data(RosterTableModel::kConflictRole).toBool());
      EXPECT_EQ(cell.data().toString(), choice.filesPunches);
      model.UndoStack().redo();
      EXPECT_TRUE(cell.data(RosterTableModel::kConflictRole).toBool());
    }
    window_->Table().setCurrentIndex(Shown("FW/Ana Ribeiro.txt", "punches"));
    auto* action = window_->findChild<QAction*>(choice.action);
    ASSERT_NE(action, nullptr);
    ASSERT_TRUE(action->isEnabled());
    action->trigger();
    EXPECT_FALSE(cell.data(RosterTableModel::kConflictRole).toBool());
    if (!mine) {
      model.UndoStack().undo();
      EXPECT_TRUE(cell.data(RosterTableModel::kConflictRole).toBool());
      model.UndoStack().redo();
      EXPECT_FALSE(cell.data(RosterTableModel::kConflictRole).toBool());
    }
    EXPECT_TRUE(window_->Save());
    EXPECT_EQ(ReadBytes(path).substr(0, 4), std::string(choice.written) + "\r\n");
    EXPECT_NE(ReadBytes(path).find(choice.nationality), std::string::npos);
    EXPECT_FALSE(window_->isWindowModified());
  }
}

// A roster update taken from the File menu is shown as the window's edits, nothing written:
// marked cells with the value before, a new row; Ctrl+Z takes it all back as one step, and
// Ctrl+S after taking it writes what `merge` writes for the same pair.
TEST_F(RosterWindowTest, ARosterUpdateIsShownAsEditsUndoneAsOneStepAndSavedAsMergeSavesIt) {
  const auto update = CopyOfFixture();
  roster::test::MakeSimpleUpdate(update.Path());
  const auto merged = CopyOfFixture();
  ASSERT_EQ(roster::test::RunTool(merged.Path(), {"merge", update.Path().string()}).code, 0);
  auto before = roster::test::FolderBytes(folder_.Path());
  auto& model = window_->Model();

  dialogs_.folderAnswers.push_back(ToQString(update.Path()));
  window_->findChild<QAction*>("takeUpdateAction")->trigger();
  ASSERT_EQ(dialogs_.folderRequests.size(), 1u);
  EXPECT_TRUE(dialogs_.messages.empty()) << dialogs_.Texts().join('\n').toStdString();
  EXPECT_EQ(window_->statusBar()->currentMessage(),
            "Roster update shown, to save or undo: 2 changed fields in 2 fighters (1 moved by their category), "
            "1 new fighters, 1 team files to copy.");
  EXPECT_EQ(roster::test::FolderBytes(folder_.Path()), before) << "nothing written before Ctrl+S";
  const QModelIndex punches = CellOf(model, "FW/Ana Ribeiro.txt", "punches");
  EXPECT_EQ(punches.data().toString(), "16");
  EXPECT_TRUE(punches.data(RosterTableModel::kEditedRole).toBool());
  EXPECT_TRUE(punches.data(Qt::ToolTipRole).toString().contains("before: \"12\"")) << punches.data(Qt::ToolTipRole).toString().toStdString();
  EXPECT_TRUE(CellOf(model, "MW/Sergio Ortega.txt", "category").data(RosterTableModel::kEditedRole).toBool());
  const QModelIndex newGuy = Shown("LW/New Guy.txt", "full_name");
  ASSERT_TRUE(newGuy.isValid());
  EXPECT_TRUE(newGuy.data(RosterTableModel::kEditedRole).toBool());
  EXPECT_EQ(window_->RowCountText(), "13 of 13 fighters");
  EXPECT_TRUE(window_->isWindowModified());

  QTest::keyClick(&window_->Table(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(punches.data().toString(), "12");
  EXPECT_FALSE(punches.data(RosterTableModel::kEditedRole).toBool());
  EXPECT_FALSE(Shown("LW/New Guy.txt", "full_name").isValid());
  EXPECT_EQ(window_->RowCountText(), "12 of 12 fighters");
  EXPECT_FALSE(window_->isWindowModified());
  EXPECT_FALSE(model.HasUnsavedEdits());

  QTest::keyClick(&window_->Table(), Qt::Key_Y, Qt::ControlModifier);
  QTest::keyClick(&window_->Table(), Qt::Key_S, Qt::ControlModifier);
  EXPECT_TRUE(dialogs_.messages.empty()) << dialogs_.Texts().join('\n').toStdString();
  EXPECT_TRUE(window_->statusBar()->currentMessage().endsWith("; 2 team file(s) created"))
      << window_->statusBar()->currentMessage().toStdString();
  EXPECT_FALSE(window_->isWindowModified());
  auto after = roster::test::FolderBytes(folder_.Path());
  after.erase(EditorIn(folder_).filename().string());
  EXPECT_EQ(after, roster::test::FolderBytes(merged.Path()));
}

// An update waits for the player's edits to be saved or discarded; once shown, "Keep mine" takes
// back a cell's change or a new fighter, and a rename no edit can make is named.
TEST_F(RosterWindowTest, AnUpdateIsRefusedOverUnsavedEditsAndKeepMineTakesBackItsParts) {
  const auto update = CopyOfFixture();
  roster::test::MakeSimpleUpdate(update.Path());
  std::filesystem::rename(update / "Fighters/SHW/Big Tom.txt", update / "Fighters/SHW/Tom Big.txt");
  auto& model = window_->Model();
  TypeInto(Shown("FW/Ana Ribeiro.txt", "kicks"), "3");
  dialogs_.folderAnswers.push_back(ToQString(update.Path()));
  auto* take = window_->findChild<QAction*>("takeUpdateAction");
  take->trigger();
  ASSERT_EQ(dialogs_.messages.size(), 1u);
  EXPECT_TRUE(dialogs_.messages[0].text.startsWith("Save or discard your edits first")) << dialogs_.messages[0].text.toStdString();
  EXPECT_TRUE(dialogs_.folderRequests.empty()) << "not even asked for the folder";
  EXPECT_EQ(CellOf(model, "FW/Ana Ribeiro.txt", "punches").data().toString(), "12");

  QTest::keyClick(&window_->Table(), Qt::Key_Z, Qt::ControlModifier);
  dialogs_.Clear();
  take->trigger();
  ASSERT_EQ(dialogs_.messages.size(), 1u);
  EXPECT_TRUE(dialogs_.messages[0].text.contains("Fighters/SHW/Big Tom.txt -> Fighters/SHW/Tom Big.txt"))
      << dialogs_.messages[0].text.toStdString();
  auto* keepMine = window_->findChild<QAction*>("keepMineAction");
  for (const auto& [file, column] : {std::pair{"FW/Ana Ribeiro.txt", "punches"}, std::pair{"LW/New Guy.txt", "punches"}}) {
    window_->Table().setCurrentIndex(Shown(file, column));
    ASSERT_TRUE(keepMine->isEnabled()) << file;
    keepMine->trigger();
  }
  EXPECT_EQ(CellOf(model, "FW/Ana Ribeiro.txt", "punches").data().toString(), "12");
  EXPECT_FALSE(Shown("LW/New Guy.txt", "full_name").isValid());
  const std::string ana = ReadBytes(folder_ / "Fighters/FW/Ana Ribeiro.txt");
  EXPECT_TRUE(window_->Save());
  EXPECT_EQ(ReadBytes(folder_ / "Fighters/FW/Ana Ribeiro.txt"), ana);
  EXPECT_FALSE(std::filesystem::exists(folder_ / "Fighters/LW/New Guy.txt"));
  EXPECT_TRUE(std::filesystem::exists(folder_ / "Fighters/WW/Sergio Ortega.txt"));
  EXPECT_TRUE(std::filesystem::exists(folder_ / "Team/Blue Corner.txt"));
}

TEST(RosterWindowLoad, EscapeStopsALoadAndKeepsTheRowsRead) {
  TempFolder folder = CopyOfFixture();
  const std::string ana = ReadBytes(folder / "Fighters/FW/Ana Ribeiro.txt");
  for (int i = 0; i < 2000; ++i) WriteBytes(folder / ("Fighters/FW/Copy " + std::to_string(i) + ".txt"), ana);
  FakeDialogs dialogs;
  RosterWindow window(folder.Path(), record::Game::TAV, dialogs);
  // The shortest slices, a few dozen files each: Esc comes in the middle of the load.
  window.SetLoadSlice(std::chrono::milliseconds(0));
  window.show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  window.StartLoading();
  QTRY_VERIFY(window.Model().LoadedCount() >= 100);
  ASSERT_TRUE(window.Loading());
  const std::size_t read = window.Model().LoadedCount();
  const std::string firstFile = window.Model().File(0).cell;
  QTest::keyClick(&window.Table(), Qt::Key_Escape);
  EXPECT_FALSE(window.Loading());
  QApplication::processEvents();
  EXPECT_EQ(window.Model().LoadedCount(), read);
  EXPECT_EQ(static_cast<std::size_t>(window.Model().rowCount()), read);
  EXPECT_LT(read, 2012u);
  EXPECT_EQ(window.Model().TotalCount(), read);
  // The rows read are kept as they were, and the table goes on working with them.
  EXPECT_EQ(window.Model().File(0).cell, firstFile);
  EXPECT_FALSE(window.Model().data(window.Model().index(static_cast<int>(read) - 1, 1)).toString().isEmpty());
}

TEST(RosterWindowLoad, ACellIsReadableThroughTheAccessibilityTree) {
  TempFolder folder = CopyOfFixture();
  FakeDialogs dialogs;
  RosterWindow window(folder.Path(), record::Game::TAV, dialogs);
  window.show();
  window.StartLoading();
  QTRY_VERIFY(!window.Loading());
  QAccessibleInterface* table = QAccessible::queryAccessibleInterface(&window.Table());
  ASSERT_NE(table, nullptr);
  QAccessibleTableInterface* cells = table->tableInterface();
  ASSERT_NE(cells, nullptr);
  EXPECT_EQ(cells->rowCount(), 12);
  QAccessibleInterface* cell = cells->cellAt(0, ColumnNamed("full_name"));
  ASSERT_NE(cell, nullptr);
  EXPECT_EQ(cell->text(QAccessible::Name), window.Model().index(0, ColumnNamed("full_name")).data().toString());
  EXPECT_EQ(cells->columnDescription(ColumnNamed("punches")), "Punches");
}

}  // namespace
}  // namespace beditor::test
