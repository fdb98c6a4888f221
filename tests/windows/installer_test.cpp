// The installer as a player runs it, under Wine: silently (/S), into the user's own
// programs folder with no administrator rights; the installed program starts and writes
// beside itself; the uninstaller, started as Windows' list of programs starts it, removes
// the program, its shortcut and its entry in that list, and leaves the user's fighters and
// teams where they are. An update brings back no sample the player removed or moved and
// keeps the lists they edited; an uninstall from a folder the player chose removes only
// what the installer wrote there, and an install into a folder in use overwrites none of
// the player's lists, mode and teams, which the uninstall leaves.
#include <gtest/gtest.h>

#include <QProcess>
#include <QStandardPaths>
#include <fstream>
#include <iterator>
#include <optional>
#include <utility>

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

// Every file below `folder` with this name.
std::vector<std::filesystem::path> FilesNamed(const std::filesystem::path& folder, const std::string& name) {
  std::vector<std::filesystem::path> found;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
    if (entry.path().filename() == name) found.push_back(entry.path());
  return found;
}

// The files below `folder`, relative to it, one a line: what an uninstall left.
std::string FilesBelow(const std::filesystem::path& folder) {
  std::string names;
  if (std::filesystem::exists(folder))
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
      if (entry.is_regular_file()) names += std::filesystem::relative(entry.path(), folder).string() + "\n";
  return names;
}

// A private display and Wine on it, with no install of an earlier test left: neither its
// folder nor its entry in the list of programs, whose folder a new install would take.
class WineInstaller : public ::testing::Test {
 protected:
  static constexpr const char* kPrograms = "AppData/Local/Programs/BEditor";

  void SetUp() override {
    const QString xvfb = QStandardPaths::findExecutable("Xvfb");
    if (xvfb.isEmpty()) GTEST_SKIP() << "Xvfb is not installed: the installer run is skipped";
    installer_ = FolderFromEnvironment("BEDITOR_INSTALLER");
    ASSERT_TRUE(std::filesystem::exists(installer_)) << installer_ << ": run cpack in the Windows build first";
    ASSERT_TRUE(display_.Start(xvfb));
    wine_.emplace(FolderFromEnvironment("WINEPREFIX"), display_.Name());
    for (const auto& earlier : UserFolders(wine_->DriveC(), kPrograms)) std::filesystem::remove_all(earlier);
    wine_->Run("reg", {"delete", kUninstallKey, "/f"});
  }

  void TearDown() override {
    if (wine_) wine_->Stop();
  }

  const Wine& wine() const { return *wine_; }

  // Runs the installer silently; NSIS takes a chosen folder only as the last argument,
  // unquoted ("/D=C:\Games").
  int Install(const QStringList& arguments = {}) const {
    return wine_->Run(QString::fromStdString(installer_.string()), QStringList{"/S"} + arguments);
  }

  // The single folder of the user's programs the installer filled.
  std::filesystem::path InstalledFolder() const {
    const auto installed = UserFolders(wine_->DriveC(), kPrograms);
    EXPECT_EQ(installed.size(), 1u) << "not installed in the user's programs folder";
    return installed.empty() ? std::filesystem::path{} : installed.front();
  }

  // As the list of programs starts it: the uninstaller copies itself away and ends at once,
  // and the copy does the work, its entry in the list last.
  bool Uninstall(const std::filesystem::path& folder) const {
    if (wine_->Run(QString::fromStdString((folder / "Uninstall.exe").string()), {"/S"}) != 0) return false;
    return WaitFor([&] { return wine_->Run("reg", {"query", kUninstallKey}) != 0; }, 60000);
  }

  PrivateDisplay display_;

 private:
  std::filesystem::path installer_;
  std::optional<Wine> wine_;
};

TEST_F(WineInstaller, InstallsForTheUserRunsAndUninstallsKeepingFightersAndTeams) {
  ASSERT_EQ(Install(), 0);
  const std::filesystem::path folder = InstalledFolder();
  ASSERT_FALSE(folder.empty());
  for (const char* file : {"beditor.exe", "beditor-roster.exe", "beditor-roster-window.exe", "Fondo6.jpg",
                           "Config.txt", "TAV Weights.txt",
                           "qt.conf", "translations/qtbase_es.qm", "Fighters/LW/Ignacio Brevanza.txt",
                           "Uninstall.exe"})
    EXPECT_TRUE(std::filesystem::exists(folder / file)) << file;
  for (const char* category : {"FW", "LW", "WW", "MW", "LHW", "HW", "SHW"})
    EXPECT_TRUE(std::filesystem::is_directory(folder / "Fighters" / category)) << category;
  const std::string startMenu = "AppData/Roaming/Microsoft/Windows/Start Menu/Programs/BEditor.lnk";
  EXPECT_EQ(UserFolders(wine().DriveC(), startMenu).size(), 1u) << "no Start-menu entry";
  const std::string rosterStartMenu = "AppData/Roaming/Microsoft/Windows/Start Menu/Programs/BEditor roster.lnk";
  EXPECT_EQ(UserFolders(wine().DriveC(), rosterStartMenu).size(), 1u) << "no Start-menu entry for the roster window";
  EXPECT_EQ(wine().Run("reg", {"query", kUninstallKey}), 0) << "not in the system's list of programs";

  // The installed program runs, from its own folder, and writes there.
  QProcess program;
  wine().Start(program, QString::fromStdString((folder / "beditor.exe").string()));
  const auto window = WaitForWindow(display_.Client(), layout::kWindowCaption, 120000);
  ASSERT_TRUE(window) << "the installed program showed no window";
  display_.Client().SendDeleteWindow(*window);
  ASSERT_TRUE(program.waitForFinished(60000));
  EXPECT_EQ(program.exitCode(), 0);
  EXPECT_EQ(ReadFile(folder / "EditorMode.txt"), "0\r\n");

  // The player's own work: a changed sample fighter, a new fighter, a new team.
  const auto sample = folder / "Fighters/LW/Ignacio Brevanza.txt";
  const std::string changed = "16\r\n" + ReadFile(sample).substr(4);
  WriteFile(sample, changed);
  WriteFile(folder / "Fighters/WW/Mine.txt", "mine\r\n");
  WriteFile(folder / "Team/My Team.txt", "0\r\n0\r\n0\r\n");

  ASSERT_TRUE(Uninstall(folder)) << "still in the system's list of programs";
  for (const char* file : {"beditor.exe", "beditor-roster.exe", "beditor-roster-window.exe", "Fondo6.jpg",
                           "Config.txt", "qt.conf",
                           "EditorMode.txt", "translations", "icons"})
    EXPECT_FALSE(std::filesystem::exists(folder / file)) << file << " is left";
  EXPECT_TRUE(UserFolders(wine().DriveC(), startMenu).empty()) << "the Start-menu entry is left";
  EXPECT_TRUE(UserFolders(wine().DriveC(), rosterStartMenu).empty()) << "the roster window's Start-menu entry is left";
  EXPECT_EQ(ReadFile(sample), changed);
  EXPECT_EQ(ReadFile(folder / "Fighters/WW/Mine.txt"), "mine\r\n");
  EXPECT_EQ(ReadFile(folder / "Team/My Team.txt"), "0\r\n0\r\n0\r\n");
  // The teams and fighters that came with the program are the player's too by now.
  EXPECT_TRUE(std::filesystem::exists(folder / "Team/Red Corner.txt"));
}

// Installing again, as an update does, after the player removed a sample fighter and a
// sample team, moved a sample fighter to another category and edited the lists and captions:
// none of that is undone. The program's own files are the installer's and come back whole.
// Not even a whole folder of samples the player removed comes back. What the first install
// wrote is still ours after the updates: the uninstall leaves nothing.
TEST_F(WineInstaller, AnUpdateBringsBackNoSampleThePlayerRemovedOrMovedAndKeepsTheirLists) {
  ASSERT_EQ(Install(), 0);
  const std::filesystem::path folder = InstalledFolder();
  ASSERT_FALSE(folder.empty());
  ASSERT_TRUE(std::filesystem::exists(folder / "Fighters/FW/Tomasz Wierzel.txt"));
  std::filesystem::remove(folder / "Fighters/FW/Tomasz Wierzel.txt");
  std::filesystem::rename(folder / "Fighters/LW/Ignacio Brevanza.txt", folder / "Fighters/WW/Ignacio Brevanza.txt");
  ASSERT_TRUE(std::filesystem::remove(folder / "Team/Iron Gym.txt"));
  const std::vector<std::string> edited = {"Config.txt", "EN-Translation.txt", "ES-estilo.txt", "TAV Weights.txt"};
  for (const auto& name : edited) WriteFile(folder / name, "edited by the player\r\n");
  WriteFile(folder / "Fondo6.jpg", "damaged");
  std::filesystem::remove(folder / "icons/beditor_16.png");

  ASSERT_EQ(Install(), 0);
  EXPECT_TRUE(FilesNamed(folder / "Fighters", "Tomasz Wierzel.txt").empty()) << "a removed sample fighter is back";
  EXPECT_EQ(FilesNamed(folder / "Fighters", "Ignacio Brevanza.txt"),
            std::vector<std::filesystem::path>{folder / "Fighters/WW/Ignacio Brevanza.txt"});
  EXPECT_FALSE(std::filesystem::exists(folder / "Team/Iron Gym.txt")) << "a removed sample team is back";
  EXPECT_TRUE(std::filesystem::exists(folder / "Team/Red Corner.txt"));
  for (const auto& name : edited) EXPECT_EQ(ReadFile(folder / name), "edited by the player\r\n") << name;
  const std::filesystem::path built = FolderFromEnvironment("BEDITOR_WINDOWS_PROGRAM_DIR");
  EXPECT_EQ(ReadFile(folder / "Fondo6.jpg"), ReadFile(built / "Fondo6.jpg"));
  EXPECT_EQ(ReadFile(folder / "icons/beditor_16.png"), ReadFile(built / "icons/beditor_16.png"));

  std::filesystem::remove_all(folder / "Fighters");
  std::filesystem::remove_all(folder / "Team");
  ASSERT_EQ(Install(), 0);
  for (const char* samples : {"Fighters", "Team"})
    EXPECT_FALSE(std::filesystem::exists(folder / samples)) << "the removed " << samples << " folder is back";

  ASSERT_TRUE(Uninstall(folder)) << "still in the system's list of programs";
  EXPECT_FALSE(std::filesystem::exists(folder)) << "left:\n" << FilesBelow(folder);
}

// A folder already in use (an unzipped copy of the program, say) holds the player's language,
// caption table, mode and team, and no fighters. The install keeps them as they are, brings
// the sample fighters and the lists that are missing, and no sample team into the player's
// team folder; the uninstall removes what the install wrote and leaves the player's.
TEST_F(WineInstaller, InstallingIntoAFolderInUseKeepsThePlayersFilesThroughTheUninstall) {
  const std::filesystem::path copy = wine().DriveC() / "Copy";
  std::filesystem::remove_all(copy);
  const std::vector<std::pair<std::string, std::string>> theirs = {
      {"Config.txt", "EN\r\n"},
      {"ES-Translation.txt", "Mi tabla: \xE9xito\r\n"},
      {"EditorMode.txt", "1\r\n"},
      {"Team/Red Corner.txt", "mi equipo\r\n"}};
  for (const auto& [name, bytes] : theirs) WriteFile(copy / name, bytes);

  ASSERT_EQ(Install({"/D=C:\\Copy"}), 0);
  ASSERT_TRUE(std::filesystem::exists(copy / "beditor.exe")) << "not installed in the chosen folder";
  for (const auto& [name, bytes] : theirs) EXPECT_EQ(ReadFile(copy / name), bytes) << name << " after the install";
  const std::vector<std::string> written = {"EN-Translation.txt", "TAV Weights.txt", "ES-estilo.txt"};
  for (const auto& name : written) EXPECT_TRUE(std::filesystem::exists(copy / name)) << name << " is missing";
  EXPECT_TRUE(std::filesystem::exists(copy / "Fighters/LW/Ignacio Brevanza.txt"));
  EXPECT_FALSE(std::filesystem::exists(copy / "Team/Iron Gym.txt")) << "a sample team in the player's team folder";

  ASSERT_TRUE(Uninstall(copy)) << "still in the system's list of programs";
  for (const auto& [name, bytes] : theirs) EXPECT_EQ(ReadFile(copy / name), bytes) << name << " after the uninstall";
  for (const auto& name : written) EXPECT_FALSE(std::filesystem::exists(copy / name)) << name << " is left";
  for (const char* ours : {"beditor.exe", "Uninstall.exe"})
    EXPECT_FALSE(std::filesystem::exists(copy / ours)) << ours << " is left";
  EXPECT_TRUE(std::filesystem::exists(copy / "Fighters/LW/Ignacio Brevanza.txt"));
  std::filesystem::remove_all(copy);
}

// A player may install into a folder of their own (/D=) that already holds folders named as
// ours: the uninstaller removes what it wrote there, by name, and leaves the player's files,
// their folders, and the fighters and teams.
TEST_F(WineInstaller, UninstallingFromAChosenFolderLeavesThePlayersFilesThere) {
  const std::filesystem::path games = wine().DriveC() / "Games";
  std::filesystem::remove_all(games);
  const std::vector<std::string> theirs = {"icons/my picture.png", "translations/my words.qm"};
  for (const auto& name : theirs) WriteFile(games / name, "the player's\r\n");

  ASSERT_EQ(Install({"/D=C:\\Games"}), 0);
  ASSERT_TRUE(std::filesystem::exists(games / "beditor.exe")) << "not installed in the chosen folder";
  EXPECT_TRUE(UserFolders(wine().DriveC(), kPrograms).empty()) << "installed in the user's programs folder too";
  ASSERT_TRUE(std::filesystem::exists(games / "icons/beditor_16.png"));
  ASSERT_TRUE(std::filesystem::exists(games / "translations/qtbase_es.qm"));

  ASSERT_TRUE(Uninstall(games)) << "still in the system's list of programs";
  for (const auto& name : theirs) EXPECT_EQ(ReadFile(games / name), "the player's\r\n") << name;
  for (const char* ours : {"beditor.exe", "qt.conf", "Uninstall.exe", "icons/beditor_16.png", "translations/qtbase_es.qm"})
    EXPECT_FALSE(std::filesystem::exists(games / ours)) << ours << " is left";
  EXPECT_TRUE(std::filesystem::exists(games / "Fighters/LW/Ignacio Brevanza.txt"));
  EXPECT_TRUE(std::filesystem::exists(games / "Team/Red Corner.txt"));
  std::filesystem::remove_all(games);
}

}  // namespace
}  // namespace beditor::test
