// The built program on a private X display: started from a copy of its folder, closed the
// way a window manager closes a window, checked by its exit code and the files it wrote, the
// icon it gives its window and, through its accessibility tree, the buttons of its dialogs.
#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QThread>
#include <algorithm>
#include <functional>
#include <optional>

#include "accessibility_bus.h"
#include "private_display.h"
#include "core/line_list.h"
#include "qt_adapters/path_text.h"
#include "support/qt_printers.h"
#include "support/temp_folder.h"
#include "x_display_client.h"

namespace beditor::test {
namespace {

#ifdef BEDITOR_HAVE_X11

struct ProgramRun {
  int exitCode = -1;
  int boxesBeforeWindow = 0;
  bool windowSeen = false;
  std::string editorMode;
};

class RealDisplay : public ::testing::Test {
 protected:
  void SetUp() override {
    const QString xvfb = QStandardPaths::findExecutable("Xvfb");
    if (xvfb.isEmpty()) GTEST_SKIP() << "Xvfb is not installed: the real-display run is skipped";
    ASSERT_TRUE(display_.Start(xvfb)) << "Xvfb did not start";
    for (const auto& entry : std::filesystem::recursive_directory_iterator(BEDITOR_PROGRAM_DIR)) {
      const auto relative = std::filesystem::relative(entry.path(), BEDITOR_PROGRAM_DIR);
      if (relative == "EditorMode.txt") continue;
      if (entry.is_directory()) std::filesystem::create_directories(folder_ / relative.string());
      else std::filesystem::copy_file(entry.path(), folder_ / relative.string());
    }
  }

  // Starts the program, dismisses each box that comes before its window (counting them),
  // then closes the window and waits for the program to end.
  ProgramRun StartAndClose(const QStringList& arguments = {}) {
    ProgramRun run;
    QProcess program;
    program.setProcessEnvironment(ProgramEnvironment());
    // What the program says on its error stream shows up in the test's log.
    program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    program.start(QString::fromStdString((folder_ / "beditor").string()), arguments);
    if (!program.waitForStarted(10000)) return run;
    QDeadlineTimer deadline(30000);
    while (!deadline.hasExpired() && program.state() == QProcess::Running) {
      const auto editor = display_.Client().WindowsTitled("Brennic Editor");
      if (!editor.empty()) {
        run.windowSeen = true;
        QThread::msleep(300);
        display_.Client().SendDeleteWindow(editor.front());
        break;
      }
      for (unsigned long box : display_.Client().WindowsTitled("BEditor")) {
        ++run.boxesBeforeWindow;
        display_.Client().SendDeleteWindow(box);
        QThread::msleep(300);
      }
      QThread::msleep(100);
    }
    if (!program.waitForFinished(20000)) {
      program.kill();
      program.waitForFinished(5000);
      return run;
    }
    run.exitCode = program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -2;
    if (std::filesystem::exists(folder_ / "EditorMode.txt")) run.editorMode = ReadBytes(folder_ / "EditorMode.txt");
    return run;
  }

  QProcessEnvironment ProgramEnvironment() const {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("DISPLAY", display_.Name());
    environment.insert("QT_QPA_PLATFORM", "xcb");
    return environment;
  }

  PrivateDisplay display_;
  TempFolder folder_;
};

// Waits for `found` to hold, letting the test's own events run meanwhile: the accessibility
// bus answers the program from here.
bool WaitFor(const std::function<bool()>& found, int milliseconds) {
  QDeadlineTimer deadline(milliseconds);
  while (!found()) {
    if (deadline.hasExpired()) return false;
    QTest::qWait(50);
  }
  return true;
}

QImage PictureOf(const IconPicture& picture) {
  QImage image(picture.width, picture.height, QImage::Format_ARGB32);
  for (int y = 0; y < picture.height; ++y)
    for (int x = 0; x < picture.width; ++x)
      image.setPixel(x, y, picture.argb[static_cast<std::size_t>(y * picture.width + x)]);
  return image;
}

// The program as a Spanish-speaking user starts it: Qt's dialogs answer in Spanish, and the
// editor window carries the program's icon.
TEST_F(RealDisplay, SpanishSystemDialogsAndTheProgramsIcon) {
  const QString daemon = QStandardPaths::findExecutable("dbus-daemon");
  if (daemon.isEmpty()) GTEST_SKIP() << "dbus-daemon is not installed: the dialogs cannot be read";
  TempFolder busFolder;
  AccessibilityBus bus;
  ASSERT_TRUE(bus.Start(daemon, ToQString(busFolder.Path()))) << "the private bus did not start";

  QProcessEnvironment environment = ProgramEnvironment();
  for (const char* name : {"LANGUAGE", "LC_MESSAGES"}) environment.remove(name);
  environment.insert("LC_ALL", "es_ES.UTF-8");
  environment.insert("LANG", "es_ES.UTF-8");
  bus.AddTo(environment);
  QProcess program;
  program.setProcessEnvironment(environment);
  program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  program.start(QString::fromStdString((folder_ / "beditor").string()), {"LW\\Ignacio", "Brevanza.txt"});
  ASSERT_TRUE(program.waitForStarted(10000));
  struct EndProgram {
    QProcess& program;
    ~EndProgram() {
      if (program.state() == QProcess::NotRunning) return;
      program.kill();
      program.waitForFinished(5000);
    }
  } end{program};
  XDisplayClient& client = display_.Client();
  auto windowTitled = [&client](const char* title, unsigned long& window) {
    return [&client, title, &window] {
      const auto found = client.WindowsTitled(title);
      if (!found.empty()) window = found.front();
      return !found.empty();
    };
  };

  unsigned long editor = 0;
  ASSERT_TRUE(WaitFor(windowTitled("Brennic Editor", editor), 30000)) << "no editor window";
  std::vector<IconPicture> icon;
  EXPECT_TRUE(WaitFor([&] { return !(icon = client.WindowIcon(editor)).empty(); }, 10000))
      << "the editor window has no icon";
  QList<QSize> sizes;
  for (const IconPicture& picture : icon) {
    sizes << QSize(picture.width, picture.height);
    if (picture.width != 16) continue;
    const QImage drawn = QImage(QString::fromStdString((folder_ / "icons/beditor_16.png").string()))
                             .convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(PictureOf(picture), drawn);
  }
  std::sort(sizes.begin(), sizes.end(), [](QSize a, QSize b) { return a.width() < b.width(); });
  EXPECT_EQ(sizes, (QList<QSize>{{16, 16}, {32, 32}, {48, 48}, {256, 256}}));

  // Saving without the Team folder stops in the standard error box.
  std::filesystem::rename(folder_ / "Team", folder_ / "Team.away");
  // The one press that may need repeating: the program publishes its tree only once it has
  // the accessibility bus's address, which it asks this test's launcher for without waiting
  // (GetAddress). The answer goes out only while this test's event loop runs, so the window
  // can be on the display before its tree is on the bus; the walk itself runs the loop.
  ASSERT_TRUE(WaitFor([&] { return bus.Press("Brennic Editor", "Guardar Luchador"); }, 20000))
      << "the editor's save button cannot be pressed through its accessibility";
  unsigned long box = 0;
  ASSERT_TRUE(WaitFor(windowTitled("BEditor", box), 20000)) << "no error box";
  std::optional<QStringList> boxButtons;
  EXPECT_TRUE(WaitFor([&] { return (boxButtons = bus.ButtonsOf("BEditor")).has_value(); }, 10000));
  EXPECT_EQ(boxButtons.value_or(QStringList{}), QStringList{"Aceptar"});
  client.SendDeleteWindow(box);
  EXPECT_TRUE(WaitFor([&] { return client.WindowsTitled("BEditor").empty(); }, 10000));
  std::filesystem::rename(folder_ / "Team.away", folder_ / "Team");

  // Pressed once: the tree has been published since the first press, and after start-up the
  // program waits for nothing from this test. Each call of the walk waits for its answer, so
  // a press that fails here is a program that stopped answering after its error box.
  ASSERT_TRUE(bus.Press("Brennic Editor", "Guardar Luchador")) << "the editor does not answer after its error box";
  unsigned long dialog = 0;
  ASSERT_TRUE(WaitFor(windowTitled("Guardar luchador", dialog), 20000)) << "no save dialog";
  std::optional<QStringList> dialogButtons;
  EXPECT_TRUE(WaitFor([&] { return (dialogButtons = bus.ButtonsOf("Guardar luchador")).has_value(); }, 10000));
  const QStringList shown = dialogButtons.value_or(QStringList{});
  EXPECT_TRUE(shown.contains("Guardar") && shown.contains("Cancelar")) << shown.join(", ").toStdString();
  EXPECT_FALSE(shown.contains("Save") || shown.contains("Cancel")) << shown.join(", ").toStdString();
  client.SendDeleteWindow(dialog);
  EXPECT_TRUE(WaitFor([&] { return client.WindowsTitled("Guardar luchador").empty(); }, 10000));

  client.SendDeleteWindow(editor);
  ASSERT_TRUE(WaitFor([&] { return program.state() == QProcess::NotRunning; }, 20000));
  EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(program.exitCode(), 0);
}

TEST_F(RealDisplay, ClosingTheWindowEndsTheProgramAndStoresTheMode) {
  const ProgramRun run = StartAndClose();
  EXPECT_TRUE(run.windowSeen);
  EXPECT_EQ(run.boxesBeforeWindow, 0);
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.editorMode, "0\r\n");

  WriteBytes(folder_ / "EditorMode.txt", "1\r\n");
  EXPECT_EQ(StartAndClose().editorMode, "1\r\n");
}

TEST_F(RealDisplay, AFighterNamedOnTheCommandLine) {
  const ProgramRun good = StartAndClose({"LW\\Ignacio", "Brevanza.txt"});
  EXPECT_TRUE(good.windowSeen);
  EXPECT_EQ(good.boxesBeforeWindow, 0);
  EXPECT_EQ(good.exitCode, 0);
  const ProgramRun missing = StartAndClose({"LW\\Nobody.txt"});
  EXPECT_EQ(missing.boxesBeforeWindow, 1);
  EXPECT_EQ(missing.exitCode, 0);
}

TEST_F(RealDisplay, EachStartUpFileMissingGivesOneBoxAndTheProgramGoesOn) {
  for (const char* file : {"TAV Weights.txt", "Fondo6.jpg", "Config.txt", "ES-Translation.txt", "ES-estilo.txt"}) {
    const auto path = folder_ / file;
    const std::string bytes = ReadBytes(path);
    std::filesystem::remove(path);
    const ProgramRun run = StartAndClose();
    EXPECT_TRUE(run.windowSeen) << file;
    EXPECT_EQ(run.boxesBeforeWindow, 1) << file;
    EXPECT_EQ(run.exitCode, 0) << file;
    EXPECT_EQ(run.editorMode, "0\r\n") << file;
    WriteBytes(path, bytes);
  }
  std::filesystem::remove_all(folder_ / "Team");
  const ProgramRun noTeams = StartAndClose();
  EXPECT_EQ(noTeams.boxesBeforeWindow, 0);
  EXPECT_EQ(noTeams.exitCode, 0);
}

#else

TEST(RealDisplay, NeedsX11) { GTEST_SKIP() << "built without X11: the real-display run is skipped"; }

#endif

}  // namespace
}  // namespace beditor::test
