// The installer as a player runs it, under Wine: silently (/S), into the user's own
// programs folder with no administrator rights; the installed program starts and writes
// beside itself; the uninstaller, started as Windows' list of programs starts it, removes
// the program, its shortcut and its entry in that list, and leaves the user's fighters and
// teams where they are.
#include <gtest/gtest.h>

#include <QProcess>
#include <QStandardPaths>
#include <fstream>
#include <iterator>

#include "private_display.h"
#include "resources/editor_layout.h"
#include "wine_program.h"

namespace beditor::test {
namespace {

constexpr const char* kUninstallKey = R"(HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\BEditor)";

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
  std::filesystem::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << bytes;
}

// The folders of the prefix's users that match `relative` (one user: the one running Wine).
std::vector<std::filesystem::path> UserFolders(const std::filesystem::path& driveC, const std::string& relative) {
  std::vector<std::filesystem::path> found;
  if (!std::filesystem::exists(driveC / "users")) return found;
  for (const auto& user : std::filesystem::directory_iterator(driveC / "users"))
    if (std::filesystem::exists(user.path() / relative)) found.push_back(user.path() / relative);
  return found;
}

TEST(WineInstaller, InstallsForTheUserRunsAndUninstallsKeepingFightersAndTeams) {
  const QString xvfb = QStandardPaths::findExecutable("Xvfb");
  if (xvfb.isEmpty()) GTEST_SKIP() << "Xvfb is not installed: the installer run is skipped";
  const std::filesystem::path installer = FolderFromEnvironment("BEDITOR_INSTALLER");
  ASSERT_TRUE(std::filesystem::exists(installer)) << installer << ": run cpack in the Windows build first";
  PrivateDisplay display;
  ASSERT_TRUE(display.Start(xvfb));
  const Wine wine(FolderFromEnvironment("WINEPREFIX"), display.Name());
  struct StopWine {
    const Wine& wine;
    ~StopWine() { wine.Stop(); }
  } stop{wine};
  const std::string programs = "AppData/Local/Programs/BEditor";
  for (const auto& earlier : UserFolders(wine.DriveC(), programs)) std::filesystem::remove_all(earlier);

  ASSERT_EQ(wine.Run(QString::fromStdString(installer.string()), {"/S"}), 0);
  const auto installed = UserFolders(wine.DriveC(), programs);
  ASSERT_EQ(installed.size(), 1u) << "not installed in the user's programs folder";
  const std::filesystem::path folder = installed.front();
  for (const char* file : {"beditor.exe", "beditor-roster.exe", "beditor-roster-window.exe", "Fondo6.jpg",
                           "Config.txt", "TAV Weights.txt",
                           "qt.conf", "translations/qtbase_es.qm", "Fighters/LW/Ignacio Brevanza.txt",
                           "Uninstall.exe"})
    EXPECT_TRUE(std::filesystem::exists(folder / file)) << file;
  for (const char* category : {"FW", "LW", "WW", "MW", "LHW", "HW", "SHW"})
    EXPECT_TRUE(std::filesystem::is_directory(folder / "Fighters" / category)) << category;
  const std::string startMenu = "AppData/Roaming/Microsoft/Windows/Start Menu/Programs/BEditor.lnk";
  EXPECT_EQ(UserFolders(wine.DriveC(), startMenu).size(), 1u) << "no Start-menu entry";
  const std::string rosterStartMenu = "AppData/Roaming/Microsoft/Windows/Start Menu/Programs/BEditor roster.lnk";
  EXPECT_EQ(UserFolders(wine.DriveC(), rosterStartMenu).size(), 1u) << "no Start-menu entry for the roster window";
  EXPECT_EQ(wine.Run("reg", {"query", kUninstallKey}), 0) << "not in the system's list of programs";

  // The installed program runs, from its own folder, and writes there.
  QProcess program;
  wine.Start(program, QString::fromStdString((folder / "beditor.exe").string()));
  const auto window = WaitForWindow(display.Client(), layout::kWindowCaption, 120000);
  ASSERT_TRUE(window) << "the installed program showed no window";
  display.Client().SendDeleteWindow(*window);
  ASSERT_TRUE(program.waitForFinished(60000));
  EXPECT_EQ(program.exitCode(), 0);
  EXPECT_EQ(ReadFile(folder / "EditorMode.txt"), "0\r\n");

  // The player's own work: a changed sample fighter, a new fighter, a new team.
  const auto sample = folder / "Fighters/LW/Ignacio Brevanza.txt";
  const std::string changed = "16\r\n" + ReadFile(sample).substr(4);
  WriteFile(sample, changed);
  WriteFile(folder / "Fighters/WW/Mine.txt", "mine\r\n");
  WriteFile(folder / "Team/My Team.txt", "0\r\n0\r\n0\r\n");

  // As the list of programs starts it: the uninstaller copies itself away and ends at once,
  // and the copy does the work.
  ASSERT_EQ(wine.Run(QString::fromStdString((folder / "Uninstall.exe").string()), {"/S"}), 0);
  EXPECT_TRUE(WaitFor([&] { return !std::filesystem::exists(folder / "beditor.exe"); }, 60000));
  EXPECT_TRUE(WaitFor([&] { return wine.Run("reg", {"query", kUninstallKey}) != 0; }, 30000))
      << "still in the system's list of programs";
  for (const char* file : {"beditor.exe", "beditor-roster.exe", "beditor-roster-window.exe", "Fondo6.jpg",
                           "Config.txt", "qt.conf",
                           "EditorMode.txt", "translations", "icons"})
    EXPECT_FALSE(std::filesystem::exists(folder / file)) << file << " is left";
  EXPECT_TRUE(UserFolders(wine.DriveC(), startMenu).empty()) << "the Start-menu entry is left";
  EXPECT_TRUE(UserFolders(wine.DriveC(), rosterStartMenu).empty()) << "the roster window's Start-menu entry is left";
  EXPECT_EQ(ReadFile(sample), changed);
  EXPECT_EQ(ReadFile(folder / "Fighters/WW/Mine.txt"), "mine\r\n");
  EXPECT_EQ(ReadFile(folder / "Team/My Team.txt"), "0\r\n0\r\n0\r\n");
  // The teams and fighters that came with the program are the player's too by now.
  EXPECT_TRUE(std::filesystem::exists(folder / "Team/Red Corner.txt"));
}

}  // namespace
}  // namespace beditor::test
