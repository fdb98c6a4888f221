// The roster window on a real X display (a private Xvfb server): the fixture roster opened,
// sorted by Overall with a click on its header, a punches cell typed into, saved with
// Ctrl+S, and the file's bytes compared with what the roster tool's import writes.
#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QScreen>
#include <QTableView>
#include <QTest>

#include "roster_model_fixture.h"
#include "roster_window/roster_filter_model.h"
#include "roster_window/roster_window.h"
#include "support/fake_dialogs.h"

namespace beditor::test {
namespace {

using roster::test::CopyOfFixture;
using roster::test::FolderBytes;

TEST(RosterWindowRealDisplay, SortsByOverallEditsPunchesAndSavesAsTheImport) {
  if (QGuiApplication::platformName() != "xcb") GTEST_SKIP() << "no private X display (Xvfb is not installed)";
  const TempFolder folder = CopyOfFixture();
  const TempFolder byImport = CopyOfFixture();
  FakeDialogs dialogs;
  RosterWindow window(folder.Path(), record::Game::TAV, dialogs);
  window.show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  window.StartLoading();
  QTRY_VERIFY(!window.Loading());

  QTableView& table = window.Table();
  const int overall = ColumnNamed("rating_overall");
  QHeaderView* header = table.horizontalHeader();
  table.scrollTo(table.model()->index(0, overall));
  const int x = header->sectionViewportPosition(overall) + header->sectionSize(overall) / 2;
  QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
  ASSERT_EQ(header->sortIndicatorSection(), overall);
  for (int row = 1; row + 1 < window.Filter().rowCount(); ++row)
    ASSERT_LE(window.Filter().index(row - 1, overall).data(RosterTableModel::kSortRole).toInt(),
              window.Filter().index(row, overall).data(RosterTableModel::kSortRole).toInt());

  // The highest rated fighter gets 19 punches, typed into its cell.
  const QModelIndex top = window.Filter().index(window.Filter().rowCount() - 2, 0);
  const std::string file = top.data().toString().toStdString();
  const QModelIndex punches = window.Filter().index(top.row(), ColumnNamed("punches"));
  table.setFocus();
  table.scrollTo(punches);
  table.setCurrentIndex(punches);
  QTest::keyClick(&table, Qt::Key_F2);
  auto* editor = table.viewport()->findChild<QLineEdit*>();
  ASSERT_NE(editor, nullptr);
  editor->selectAll();
  QTest::keyClicks(editor, "19");
  QTest::keyClick(editor, Qt::Key_Return);
  QTRY_COMPARE(punches.data().toString(), QString("19"));
  // The table is on the screen: the edited cell's mark is painted there, once it is not the
  // selected cell.
  table.setCurrentIndex(window.Filter().index(top.row(), ColumnNamed("kicks")));
  QTest::qWait(200);
  const QRect cell = table.visualRect(punches);
  const QImage shot = window.screen()->grabWindow(table.viewport()->winId()).toImage();
  EXPECT_EQ(shot.pixelColor(cell.left() + 2, cell.center().y()), QColor(255, 236, 150));

  QTest::keyClick(&table, Qt::Key_S, Qt::ControlModifier);
  EXPECT_TRUE(dialogs.messages.empty()) << dialogs.Texts().join('\n').toStdString();
  const auto imported = ImportCsv(byImport.Path(), EditedExport(byImport.Path(), {{file, "punches", "19"}}));
  ASSERT_EQ(imported.code, 0) << imported.err;
  EXPECT_EQ(ReadBytes(folder.Path() / "Fighters" / file), ReadBytes(byImport.Path() / "Fighters" / file));
  EXPECT_EQ(FolderBytes(folder.Path()), FolderBytes(byImport.Path()));
}

}  // namespace
}  // namespace beditor::test
