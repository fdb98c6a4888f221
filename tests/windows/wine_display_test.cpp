// The Windows program as a player runs it: beditor.exe under Wine on a private X display,
// started from a copy of its program folder with a fighter named on its command line. Its
// window has the editor's client size; where the program paints by itself (the background
// picture, the gradient buttons, the evaluation's bars) it shows the same pixels as the
// Linux build beside it; and Windows' own save dialog (Wine's) writes the fighter back byte
// for byte.
#include <gtest/gtest.h>

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <fstream>
#include <iterator>

#include "private_display.h"
#include "resources/editor_layout.h"
#include "resources/evaluation_layout.h"
#include "screen_regions.h"
#include "wine_program.h"

namespace beditor::test {
namespace {

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

// The windows of one run of the program, as the user saw them.
struct Pictures {
  WindowPicture editor;
  WindowPicture evaluation;
};

const layout::CommandButtonLayout& Button(std::string_view name) {
  for (const auto& button : layout::kCommandButtons)
    if (button.name == name) return button;
  throw std::logic_error("no such button");
}

void ClickButton(const Hand& hand, unsigned long editor, std::string_view name) {
  const auto& button = Button(name);
  hand.Click(editor, button.left + button.width / 2, button.top + layout::kCommandButtonHeight / 2);
}

class WineRealDisplay : public ::testing::Test {
 protected:
  void SetUp() override {
    const QString xvfb = QStandardPaths::findExecutable("Xvfb");
    if (xvfb.isEmpty()) GTEST_SKIP() << "Xvfb is not installed: the real-display run is skipped";
    if (QStandardPaths::findExecutable("xdotool").isEmpty()) GTEST_SKIP() << "xdotool is not installed";
    ASSERT_TRUE(display_.Start(xvfb)) << "Xvfb did not start";
    windowsFolder_ = FolderFromEnvironment("BEDITOR_WINDOWS_PROGRAM_DIR");
    linuxFolder_ = FolderFromEnvironment("BEDITOR_LINUX_PROGRAM_DIR");
    shots_ = FolderFromEnvironment("BEDITOR_SHOTS_DIR");
    ASSERT_TRUE(std::filesystem::exists(windowsFolder_ / "beditor.exe")) << windowsFolder_;
    ASSERT_TRUE(std::filesystem::exists(linuxFolder_ / "beditor"))
        << "no Linux program at " << linuxFolder_ << ": build the plain build first";
    wine_.emplace(FolderFromEnvironment("WINEPREFIX"), display_.Name());
  }
  void TearDown() override {
    if (wine_) wine_->Stop();
  }

  // Opens the editor's window, takes its picture, presses "Evaluar" and takes the picture of
  // the evaluation window.
  Pictures Look(QProcess& program, const std::string& name) {
    Pictures pictures;
    EXPECT_TRUE(program.waitForStarted(10000)) << name << ": the program did not start";
    XDisplayClient& client = display_.Client();
    const auto editor = WaitForWindow(client, layout::kWindowCaption, 120000);
    if (!editor) {
      ADD_FAILURE() << name << ": no editor window";
      return pictures;
    }
    editor_ = *editor;
    pictures.editor = SettledPicture(client, *editor);
    SavePicture(pictures.editor, shots_ / (name + "-editor.png"));
    ClickButton(Hand(display_.Name()), *editor, "CmdButton5");
    const auto evaluation = WaitForWindow(client, "Evaluar", 30000);
    EXPECT_TRUE(evaluation) << name << ": no evaluation window";
    if (evaluation) {
      pictures.evaluation = SettledPicture(client, *evaluation);
      SavePicture(pictures.evaluation, shots_ / (name + "-evaluation.png"));
    }
    EXPECT_EQ(program.state(), QProcess::Running) << name;
    return pictures;
  }

  void Close(QProcess& program) {
    display_.Client().SendDeleteWindow(editor_);
    EXPECT_TRUE(program.waitForFinished(60000)) << "the program did not end when its window closed";
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);
  }

  PrivateDisplay display_;
  std::filesystem::path windowsFolder_, linuxFolder_, shots_;
  std::optional<Wine> wine_;
  unsigned long editor_ = 0;
};

TEST_F(WineRealDisplay, PaintsAsTheLinuxBuildAndSavesThroughWindowsOwnDialog) {
  QTemporaryDir folders;
  const std::filesystem::path linuxCopy = folders.filePath("linux").toStdString();
  const std::filesystem::path windowsCopy = folders.filePath("windows").toStdString();
  CopyProgramFolder(linuxFolder_, linuxCopy);
  CopyProgramFolder(windowsFolder_, windowsCopy);
  const QStringList fighter = {"LW\\Ignacio", "Brevanza.txt"};
  const auto fighterFile = windowsCopy / "Fighters" / "LW" / "Ignacio Brevanza.txt";
  const std::string fighterBytes = ReadFile(fighterFile);
  ASSERT_FALSE(fighterBytes.empty());

  QProcess linuxProgram;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("DISPLAY", display_.Name());
  environment.insert("QT_QPA_PLATFORM", "xcb");
  linuxProgram.setProcessEnvironment(environment);
  linuxProgram.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  linuxProgram.start(QString::fromStdString((linuxCopy / "beditor").string()), fighter);
  const Pictures onLinux = Look(linuxProgram, "linux");
  Close(linuxProgram);

  QProcess windowsProgram;
  wine_->Start(windowsProgram, QString::fromStdString((windowsCopy / "beditor.exe").string()), fighter);
  const Pictures onWindows = Look(windowsProgram, "windows");
  ASSERT_FALSE(onWindows.editor.rgb.empty());

  EXPECT_EQ(onWindows.editor.width, layout::kClientWidth);
  EXPECT_EQ(onWindows.editor.height, layout::kClientHeight);
  // Wine draws the frame and title of the owned evaluation window itself, inside its X window.
  const std::optional<WindowPicture> evaluationClient =
      ClientArea(onWindows.evaluation, evaluation_layout::kClientWidth, evaluation_layout::kClientHeight);
  ASSERT_TRUE(evaluationClient) << "the evaluation window is " << onWindows.evaluation.width << " x "
                                << onWindows.evaluation.height << " with its frame";

  const auto controls = EditorControlAreas();
  const Differences background = Compare(onLinux.editor, onWindows.editor, [&](int x, int y) {
    for (const Rect& area : controls)
      if (area.Contains(x, y)) return false;
    return true;
  });
  EXPECT_GT(background.compared, layout::kClientWidth * layout::kClientHeight / 4);
  EXPECT_EQ(background.differing, 0) << "background picture, first at " << background.first;

  const auto buttons = CommandButtonBands();
  const Differences buttonBands = Compare(onLinux.editor, onWindows.editor, [&](int x, int y) {
    for (const Rect& band : buttons)
      if (band.Contains(x, y)) return true;
    return false;
  });
  EXPECT_EQ(buttonBands.differing, 0) << "gradient buttons, first at " << buttonBands.first;

  const auto bars = RatingBarBands();
  const Differences barBands = Compare(onLinux.evaluation, *evaluationClient, [&](int x, int y) {
    for (const Rect& band : bars)
      if (band.Contains(x, y)) return true;
    return false;
  });
  EXPECT_GT(barBands.compared, 0);
  EXPECT_EQ(barBands.differing, 0) << "rating bars, first at " << barBands.first;

  // "Guardar Luchador": Windows' save dialog opens in the fighter's category folder with its
  // full name proposed; Enter saves there. The file it was loaded from is gone by then, so
  // what is found there afterwards is what the save wrote.
  std::filesystem::remove(fighterFile);
  const Hand hand(display_.Name());
  ClickButton(hand, editor_, "CmdButton1");
  const auto dialog = WaitForWindow(display_.Client(), "Guardar luchador", 30000);
  ASSERT_TRUE(dialog) << "no save dialog";
  SavePicture(SettledPicture(display_.Client(), *dialog), shots_ / "windows-save-dialog.png");
  hand.Key(*dialog, "Return");
  const auto saved = WaitForWindow(display_.Client(), "Luchador guardado", 30000);
  ASSERT_TRUE(saved) << "no confirmation of the save";
  hand.Key(*saved, "Return");
  EXPECT_TRUE(WaitFor([&] { return display_.Client().WindowsTitled("Luchador guardado").empty(); }, 20000));
  EXPECT_EQ(ReadFile(fighterFile), fighterBytes);
  Close(windowsProgram);
}

}  // namespace
}  // namespace beditor::test
