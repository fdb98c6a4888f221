// The built program on a private X display: started from a copy of its folder, closed the
// way a window manager closes a window, checked by its exit code and the files it wrote.
#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>
#include <optional>

#include "core/line_list.h"
#include "support/temp_folder.h"
#include "x_display_client.h"

namespace beditor::test {
namespace {

#ifdef BEDITOR_HAVE_X11

// An Xvfb server of our own, on the first free display number.
class PrivateDisplay {
 public:
  bool Start(const QString& xvfb) {
    server_.setProgram(xvfb);
    server_.setArguments({"-displayfd", "1", "-screen", "0", "1024x768x24", "-nolisten", "tcp"});
    server_.start();
    if (!server_.waitForStarted(10000)) return false;
    QDeadlineTimer deadline(20000);
    while (!server_.canReadLine() && !deadline.hasExpired()) server_.waitForReadyRead(200);
    const QString number = QString::fromLatin1(server_.readLine()).trimmed();
    if (number.isEmpty()) return false;
    name_ = ":" + number;
    return client_.Open(name_.toStdString());
  }
  ~PrivateDisplay() {
    client_.Close();
    server_.kill();
    server_.waitForFinished(5000);
  }
  const QString& Name() const { return name_; }
  XDisplayClient& Client() { return client_; }

 private:
  QProcess server_;
  QString name_;
  XDisplayClient client_;
};

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
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("DISPLAY", display_.Name());
    environment.insert("QT_QPA_PLATFORM", "xcb");
    program.setProcessEnvironment(environment);
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

  PrivateDisplay display_;
  TempFolder folder_;
};

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
