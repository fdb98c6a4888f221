// scripts/install_launcher.sh run for a user of a temporary home folder: the menu entry it
// writes is valid, starts the program folder's beditor (a stand-in that notes its start)
// even from a folder whose name needs quoting, and --remove takes it away.
#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>
#include <filesystem>

#include "qt_adapters/path_text.h"
#include "support/temp_folder.h"

namespace beditor::test {
namespace {

class InstallLauncher : public ::testing::Test {
 protected:
  // The environment of the script and of the launch: the temporary user, and no display or
  // session bus that a desktop library might reach for.
  QProcessEnvironment Environment() const {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("HOME", ToQString(temp_ / "home"));
    for (const char* name : {"XDG_DATA_HOME", "DISPLAY", "WAYLAND_DISPLAY"}) environment.remove(name);
    environment.insert("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + ToQString(temp_ / "no-bus"));
    return environment;
  }

  // Runs a program to its end; its exit code, or -1 when it crashed or hung.
  int Run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.setProcessEnvironment(Environment());
    process.start(program, arguments);
    if (!process.waitForFinished(30000)) {
      process.kill();
      process.waitForFinished(5000);
      return -1;
    }
    errors_ = QString::fromLocal8Bit(process.readAllStandardError()).toStdString();
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
  }

  int Script(const QStringList& arguments) {
    return Run("bash", QStringList{BEDITOR_SOURCE_DIR "/scripts/install_launcher.sh"} + arguments);
  }

  // A program folder whose beditor writes "started" into started.txt beside itself.
  std::filesystem::path ProgramFolder(const std::string& name) {
    const auto folder = temp_ / name;
    std::filesystem::create_directories(folder / "icons");
    WriteBytes(folder / "beditor", "#!/bin/sh\necho started > \"$(dirname \"$0\")/started.txt\"\n");
    std::filesystem::permissions(folder / "beditor", std::filesystem::perms::owner_all);
    std::filesystem::copy_file(std::filesystem::path(BEDITOR_PROGRAM_DIR) / "icons/beditor_256.png",
                               folder / "icons/beditor_256.png");
    return folder;
  }

  std::filesystem::path Entry() const { return temp_ / "home/.local/share/applications/beditor.desktop"; }

  // The entry's keys and their values, with the string escapes undone.
  QMap<QString, QString> ReadEntry() const {
    QMap<QString, QString> keys;
    QFile file(ToQString(Entry()));
    if (!file.open(QIODevice::ReadOnly)) return keys;
    for (const QByteArray& line : file.readAll().split('\n')) {
      const qsizetype equals = line.indexOf('=');
      if (equals <= 0) continue;
      QString value = QString::fromUtf8(line.mid(equals + 1));
      value.replace(QStringLiteral("\\\\"), QStringLiteral("\\"));
      keys.insert(QString::fromUtf8(line.left(equals)), value);
    }
    return keys;
  }

  TempFolder temp_;
  std::string errors_;
};

TEST_F(InstallLauncher, TheEntryStartsTheFoldersProgramWithItsIcon) {
  const QString validate = QStandardPaths::findExecutable("desktop-file-validate");
  const QString gio = QStandardPaths::findExecutable("gio");
  for (const char* name : {"BEditor", "Mis juegos/BE $HOME `id` \"uno\" back\\slash it's"}) {
    SCOPED_TRACE(name);
    const auto folder = ProgramFolder(name);
    ASSERT_EQ(Script({ToQString(folder)}), 0) << errors_;

    const auto entry = ReadEntry();
    EXPECT_EQ(entry.value("Type"), "Application");
    EXPECT_EQ(entry.value("Name"), "BEditor");
    EXPECT_EQ(entry.value("Icon"), ToQString(folder / "icons/beditor_256.png"));
    EXPECT_EQ(entry.value("Terminal"), "false");
    if (validate.isEmpty()) {
      ADD_FAILURE() << "desktop-file-validate is not installed (scripts/install_dependencies.sh)";
    } else {
      EXPECT_EQ(Run(validate, {ToQString(Entry())}), 0) << errors_;
    }
    if (gio.isEmpty()) {
      ADD_FAILURE() << "gio is not installed (scripts/install_dependencies.sh)";
    } else {
      // Started as a desktop's menu starts it.
      EXPECT_EQ(Run(gio, {"launch", ToQString(Entry())}), 0) << errors_;
      QDeadlineTimer deadline(10000);
      while (!std::filesystem::exists(folder / "started.txt") && !deadline.hasExpired()) QThread::msleep(50);
      EXPECT_TRUE(std::filesystem::exists(folder / "started.txt")) << "the launcher did not start beditor";
    }
  }
}

TEST_F(InstallLauncher, RemoveTakesTheEntryAway) {
  ASSERT_EQ(Script({ToQString(ProgramFolder("BEditor"))}), 0) << errors_;
  ASSERT_TRUE(std::filesystem::exists(Entry()));
  EXPECT_EQ(Script({"--remove"}), 0) << errors_;
  EXPECT_FALSE(std::filesystem::exists(Entry()));
  EXPECT_EQ(Script({"--remove"}), 0) << "nothing left to remove is no error";
}

TEST_F(InstallLauncher, AFolderWithoutTheProgramGetsNoEntry) {
  const auto folder = ProgramFolder("BEditor");
  std::filesystem::remove(folder / "beditor");
  EXPECT_NE(Script({ToQString(folder)}), 0);
  EXPECT_NE(errors_.find("build it first"), std::string::npos) << errors_;
  EXPECT_NE(Script({ToQString(temp_ / "nowhere")}), 0);
  EXPECT_FALSE(std::filesystem::exists(Entry()));
}

}  // namespace
}  // namespace beditor::test
