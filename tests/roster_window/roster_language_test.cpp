// The roster window in the program folder's language: its headers from the editor's caption
// table, its own texts and its refusals from our translation of the folder's language.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QMenuBar>
#include <QTableView>
#include <QTest>

#include "core/line_list.h"
#include "desktop/program_translation.h"
#include "roster_model_fixture.h"
#include "roster_window/column_titles.h"
#include "roster_window/roster_filter_model.h"
#include "roster_window/roster_window.h"
#include "support/fake_dialogs.h"
#include "support/qt_printers.h"

namespace beditor::test {
namespace {

using roster::test::CopyOfFixture;

// A copy of the fixture folder speaking `code`, with the program's own caption tables.
TempFolder FolderSpeaking(const std::string& code) {
  TempFolder folder = CopyOfFixture();
  for (const char* table : {"ES-Translation.txt", "EN-Translation.txt"})
    std::filesystem::copy_file(std::filesystem::path(BEDITOR_DATA_DIR) / table, folder / table);
  WriteBytes(folder / "Config.txt", code + "\r\n");
  return folder;
}

QString TableLine(const std::filesystem::path& table, int line) {
  LineList lines;
  lines.LoadLines(table);
  return QString::fromLatin1(lines.LineAt(line).c_str());  // the lines tested are ASCII
}

QString Header(const RosterTableModel& model, const std::string& column) {
  return model.headerData(ColumnNamed(column), Qt::Horizontal).toString();
}

// The same captions as the editor: every field with a label, and the ratings, headed by the
// folder's table; a changed caption shows the change.
TEST(RosterLanguage, HeadersAreTheCaptionTablesOfTheFoldersLanguage) {
  for (const std::string code : {"ES", "EN"}) {
    SCOPED_TRACE(code);
    const TempFolder folder = FolderSpeaking(code);
    const auto table = folder / (code + "-Translation.txt");
    const auto model = LoadedModel(folder.Path());
    EXPECT_EQ(Header(*model, "full_name"), TableLine(table, CaptionLineOf(record::Field::FullName)));
    EXPECT_EQ(Header(*model, "kicks"), TableLine(table, CaptionLineOf(record::Field::Kicks)));
    EXPECT_EQ(Header(*model, "sherdog_id"), TableLine(table, CaptionLineOf(record::Field::SherdogId)));
    EXPECT_EQ(Header(*model, "rating_overall"), TableLine(table, 84));
    // The CSV's names stay as they are.
    EXPECT_EQ(model->headerData(ColumnNamed("kicks"), Qt::Horizontal, Qt::ToolTipRole).toString(), "kicks");
  }
  const TempFolder folder = FolderSpeaking("ES");
  LineList table;
  table.LoadLines(folder / "ES-Translation.txt");
  table.ReplaceLine(CaptionLineOf(record::Field::Punches), "Golpes de pu\xF1o");
  table.SaveLines(folder / "ES-Translation.txt");
  EXPECT_EQ(Header(*LoadedModel(folder.Path()), "punches"), QString::fromUtf8("Golpes de pu\xC3\xB1o"));
}

// A missing or short table is no error for the window: its own titles stand, in the folder's
// language, and so do they for the columns the editor has no caption line for.
TEST(RosterLanguage, WithoutACaptionTheWindowsOwnTitleStandsInTheFoldersLanguage) {
  const TempFolder folder = FolderSpeaking("ES");
  const ProgramTranslation spanish(folder.Path());
  ASSERT_TRUE(spanish.IsInstalled());
  LineList table;
  table.LoadLines(folder / "ES-Translation.txt");
  std::vector<std::string> lines = table.Lines();
  lines.resize(60);
  LineList(lines).SaveLines(folder / "ES-Translation.txt");
  auto model = LoadedModel(folder.Path());
  EXPECT_EQ(Header(*model, "punches"), TableLine(folder / "ES-Translation.txt", CaptionLineOf(record::Field::Punches)));
  EXPECT_EQ(Header(*model, "game_plan"), QString::fromUtf8("Estrategia"));  // line 71, past the end
  EXPECT_EQ(Header(*model, "clinch_game_plan"), "Estrategia de clinch");   // no caption line at all
  EXPECT_EQ(Header(*model, "file"), "Archivo");

  std::filesystem::remove(folder / "ES-Translation.txt");
  model = LoadedModel(folder.Path());
  EXPECT_EQ(Header(*model, "punches"), QString::fromUtf8("Pu\xC3\xB1os"));
}

class RosterWindowLanguage : public ::testing::Test {
 protected:
  // The window as its program starts it: our translation of the folder's language first.
  void Open(const std::string& code) {
    folder_ = std::make_unique<TempFolder>(FolderSpeaking(code));
    translation_ = std::make_unique<ProgramTranslation>(folder_->Path());
    window_ = std::make_unique<RosterWindow>(folder_->Path(), record::Game::TAV, dialogs_);
    window_->show();
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    window_->StartLoading();
    QTRY_VERIFY(!window_->Loading());
  }
  void TypeIntoPunches(const char* text) {
    TypeInto(window_->Table(),
             window_->Filter().mapFromSource(CellOf(window_->Model(), "FW/Ana Ribeiro.txt", "punches")), text);
  }
  QString FirstMenu() const { return window_->menuBar()->actions().value(0)->text(); }

  FakeDialogs dialogs_;
  std::unique_ptr<TempFolder> folder_;
  std::unique_ptr<ProgramTranslation> translation_;
  std::unique_ptr<RosterWindow> window_;
};

TEST_F(RosterWindowLanguage, OnASpanishFolderTheWindowAndItsRefusalsSpeakSpanish) {
  Open("ES");
  EXPECT_EQ(FirstMenu(), "&Archivo");
  EXPECT_EQ(window_->RowCountText(), "12 de 12 luchadores");
  EXPECT_EQ(window_->findChild<QLineEdit*>("filterBox")->placeholderText(), "Filtrar por nombre, equipo o nacionalidad");
  TypeIntoPunches("25");
  EXPECT_EQ(window_->LastRefusal(), QString::fromUtf8("Pu\xC3\xB1os: \xC2\xAB" "25\xC2\xBB no es un n\xC3\xBAmero entero de 1 a 20"));
}

TEST_F(RosterWindowLanguage, OnAnEnglishFolderOrOneWithoutATranslationTheWindowSpeaksEnglish) {
  Open("EN");
  EXPECT_TRUE(translation_->IsInstalled());
  EXPECT_EQ(FirstMenu(), "&File");
  TypeIntoPunches("25");
  EXPECT_EQ(window_->LastRefusal(), "Punches: \"25\" is not an integer from 1 to 20");

  // A player's own language, with a caption table of its own but no translation of ours.
  window_.reset();
  translation_.reset();
  std::filesystem::copy_file(folder_->Path() / "EN-Translation.txt", folder_->Path() / "FR-Translation.txt");
  std::filesystem::copy_file(folder_->Path() / "EN-estilo.txt", folder_->Path() / "FR-estilo.txt");
  WriteBytes(folder_->Path() / "Config.txt", "FR\r\n");
  EXPECT_FALSE(ProgramTranslation(folder_->Path()).IsInstalled());
  EXPECT_EQ(ProgramTranslation::Languages(), (QStringList{"en", "es"}));
  RosterWindow window(folder_->Path(), record::Game::TAV, dialogs_);
  EXPECT_EQ(window.menuBar()->actions().value(0)->text(), "&File");
}

}  // namespace
}  // namespace beditor::test
