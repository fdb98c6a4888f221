#include "wine_program.h"

#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QImage>
#include <QStandardPaths>
#include <QThread>
#include <cstdlib>

namespace beditor::test {

std::filesystem::path FolderFromEnvironment(const char* name) {
  const char* value = std::getenv(name);
  if (!value || !*value) {
    ADD_FAILURE() << name << " is not set: run this test through the Windows build's CTest";
    return {};
  }
  return value;
}

void CopyProgramFolder(const std::filesystem::path& from, const std::filesystem::path& to) {
  std::filesystem::create_directories(to);
  for (const auto& entry : std::filesystem::recursive_directory_iterator(from)) {
    const auto relative = std::filesystem::relative(entry.path(), from);
    if (relative == "EditorMode.txt") continue;
    if (entry.is_directory()) std::filesystem::create_directories(to / relative);
    else std::filesystem::copy_file(entry.path(), to / relative, std::filesystem::copy_options::overwrite_existing);
  }
}

bool WaitFor(const std::function<bool()>& found, int milliseconds) {
  QDeadlineTimer deadline(milliseconds);
  while (!found()) {
    if (deadline.hasExpired()) return false;
    QThread::msleep(100);
  }
  return true;
}

std::optional<unsigned long> WaitForWindow(XDisplayClient& client, const std::string& title, int milliseconds) {
  std::optional<unsigned long> window;
  WaitFor(
      [&] {
        const auto found = client.WindowsTitled(title);
        if (!found.empty()) window = found.front();
        return window.has_value();
      },
      milliseconds);
  return window;
}

WindowPicture SettledPicture(XDisplayClient& client, unsigned long window) {
  WindowPicture last = client.WindowImage(window);
  for (int look = 0; look < 50; ++look) {
    QThread::msleep(400);
    WindowPicture now = client.WindowImage(window);
    if (now.rgb == last.rgb) return now;
    last = std::move(now);
  }
  return last;
}

Wine::Wine(std::filesystem::path prefix, QString display) : prefix_(std::move(prefix)), display_(std::move(display)) {}

QProcessEnvironment Wine::Environment() const {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("WINEPREFIX", QString::fromStdString(prefix_.string()));
  environment.insert("WINEDEBUG", "-all");
  environment.insert("DISPLAY", display_);
  // No Mono or Gecko installer dialogs when the prefix is made, and no menu entries of the
  // build machine's desktop made from the Start-menu shortcuts the installer creates.
  environment.insert("WINEDLLOVERRIDES", "mscoree,mshtml=;winemenubuilder.exe=d");
  // The Windows program picks its own platform; the test's offscreen choice is not its.
  environment.remove("QT_QPA_PLATFORM");
  return environment;
}

static QString WineCommand() {
  for (const char* name : {"wine", "wine64"}) {
    const QString found = QStandardPaths::findExecutable(name);
    if (!found.isEmpty()) return found;
  }
  return "/usr/lib/wine/wine64";
}

void Wine::Start(QProcess& process, const QString& program, const QStringList& arguments) const {
  process.setProcessEnvironment(Environment());
  process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  process.start(WineCommand(), QStringList{program} + arguments);
}

int Wine::Run(const QString& program, const QStringList& arguments, int milliseconds) const {
  QProcess process;
  Start(process, program, arguments);
  if (!process.waitForFinished(milliseconds)) {
    process.kill();
    process.waitForFinished(5000);
    return -1;
  }
  return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

void Wine::Stop() const {
  QProcess server;
  server.setProcessEnvironment(Environment());
  const QString wineserver = QStandardPaths::findExecutable("wineserver");
  server.start(wineserver.isEmpty() ? "/usr/lib/wine/wineserver64" : wineserver, {"-k"});
  server.waitForFinished(20000);
}

void Hand::Click(unsigned long window, int x, int y) const {
  Run({"mousemove", "--window", QString::number(window), QString::number(x), QString::number(y), "click", "1"});
}

void Hand::Key(unsigned long window, const QString& key) const {
  Run({"mousemove", "--window", QString::number(window), "8", "8", "key", key});
}

void Hand::Run(const QStringList& arguments) const {
  QProcess xdotool;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("DISPLAY", display_);
  xdotool.setProcessEnvironment(environment);
  xdotool.start("xdotool", arguments);
  ASSERT_TRUE(xdotool.waitForFinished(10000)) << "xdotool did not answer";
  EXPECT_EQ(xdotool.exitCode(), 0) << "xdotool " << arguments.join(' ').toStdString();
  QThread::msleep(300);
}

void SavePicture(const WindowPicture& picture, const std::filesystem::path& path) {
  QImage image(picture.width, picture.height, QImage::Format_RGB32);
  for (int y = 0; y < picture.height; ++y)
    for (int x = 0; x < picture.width; ++x) image.setPixel(x, y, 0xFF000000u | picture.At(x, y));
  std::filesystem::create_directories(path.parent_path());
  image.save(QString::fromStdString(path.string()));
}

}  // namespace beditor::test
