// The roster window's File → "Export to spreadsheet…": the rows shown, unsaved edits
// included, written as the roster tool's workbook through the save dialog.
#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>
#include <QTest>
#include <optional>
#include <set>

#include "core/path_utf8.h"
#include "qt_adapters/path_text.h"
#include "roster_model_fixture.h"
#include "roster_window/roster_filter_model.h"
#include "roster_window/roster_window.h"
#include "roster_workbook/workbook_reader.h"
#include "support/fake_dialogs.h"

namespace beditor::test {
namespace {

using roster::test::CopyOfFixture;
using roster::test::RunTool;

class SpreadsheetExportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window_ = std::make_unique<RosterWindow>(folder_.Path(), record::Game::TAV, dialogs_);
    window_->show();
    window_->StartLoading();
    QTRY_VERIFY(!window_->Loading());
  }

  void Export(std::optional<std::filesystem::path> to) {
    if (to) dialogs_.saveAnswers.push_back(FileDialogAnswer{ToQString(*to), 0});
    window_->findChild<QAction*>("exportSpreadsheetAction")->trigger();
  }

  TempFolder folder_ = CopyOfFixture();
  TempFolder output_;
  FakeDialogs dialogs_;
  std::unique_ptr<RosterWindow> window_;
};

// Filtered to the twins, one of them edited and not saved: the workbook holds those two rows,
// the edit in it, and the tool's import of it sees exactly that edit.
TEST_F(SpreadsheetExportTest, WritesTheRowsShownWithTheirEditsAsTheToolReadsThem) {
  QTest::keyClicks(window_->findChild<QLineEdit*>("filterBox"), "twin");
  ASSERT_EQ(window_->Filter().rowCount(), 2);
  ASSERT_TRUE(window_->Model().setData(CellOf(window_->Model(), "LHW/Twin One.txt", "punches"), "5"));

  const auto workbook = output_ / "roster.xlsx";
  Export(workbook);
  EXPECT_TRUE(dialogs_.messages.empty()) << dialogs_.Texts().join('\n').toStdString();
  ASSERT_EQ(dialogs_.saveRequests.size(), 1u);
  EXPECT_EQ(dialogs_.saveRequests[0].filters, QStringList{"Spreadsheet workbook (*.xlsx)"});
  EXPECT_EQ(dialogs_.saveRequests[0].defaultSuffix, "xlsx");

  const roster::WorkbookSheet sheet = roster::ReadFirstSheet(ReadBytes(workbook));
  ASSERT_EQ(sheet.rows.size(), 3u);
  std::set<std::string> files;
  for (std::size_t row = 1; row < sheet.rows.size(); ++row) files.insert(sheet.rows[row].cells.at(0).text);
  EXPECT_EQ(files, (std::set<std::string>{"HW/Twin Two.txt", "LHW/Twin One.txt"}));

  const auto dryRun = RunTool(folder_.Path(), {"import", PathToUtf8(workbook), "--dry-run"});
  EXPECT_EQ(dryRun.code, 0) << dryRun.err;
  const std::string punches = ReadBytes(folder_ / "Fighters/LHW/Twin One.txt").substr(0, 2);
  EXPECT_EQ(dryRun.out, "Fighters/LHW/Twin One.txt: line 1 (Punches): \"" + punches +
                            "\" -> \"5\"\ndry run, nothing written: 1 changed, 0 moved, 0 created, 1 unchanged\n");
}

// Cancelled, nothing is written; a file that cannot be written is said in the error box and
// the window carries on.
TEST_F(SpreadsheetExportTest, CancelWritesNothingAndAFailureIsShown) {
  Export(std::nullopt);
  EXPECT_TRUE(std::filesystem::is_empty(output_.Path()));
  EXPECT_TRUE(dialogs_.messages.empty());

  Export(output_ / "missing folder" / "roster.xlsx");
  ASSERT_EQ(dialogs_.messages.size(), 1u);
  EXPECT_TRUE(dialogs_.messages[0].text.contains("missing folder")) << dialogs_.messages[0].text.toStdString();
  EXPECT_TRUE(window_->isVisible());
}

}  // namespace
}  // namespace beditor::test
