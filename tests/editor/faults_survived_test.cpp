// Real failures, not mocks: the program reports them, keeps the former files and goes on.
// The failures are made with POSIX means (file-size limits, permissions, users).
#ifndef _WIN32
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>

#include "editor_fixture.h"
#include "core/file_access.h"
#include "core/file_errors.h"
#include "support/named_pipe.h"
#include "support/ordinary_user_save.h"

namespace beditor::test {
namespace {

// Lowers the file-size limit of this process for one scope; writes beyond it fail with
// EFBIG instead of ending the process.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &saved_);
    previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    const rlimit small{bytes, saved_.rlim_max};
    setrlimit(RLIMIT_FSIZE, &small);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, previousHandler_);
  }

 private:
  rlimit saved_{};
  void (*previousHandler_)(int) = nullptr;
};

class FaultsSurvived : public EditorTest {
 protected:
  void SetUp() override {
    StartShown();
    // A category folder of its own, so what a failed save leaves behind shows.
    std::filesystem::remove_all(folder_ / "Fighters/LW");
    std::filesystem::create_directories(folder_ / "Fighters/LW");
    fighter_ = SampleFighter();
    fighter_[20] = "0";
    WriteFighter("Fighters/LW/Ana.txt", fighter_);
    Form().LoadFighter(folder_ / "Fighters/LW/Ana.txt");
    ASSERT_TRUE(dialogs_.messages.empty());
  }
  void SaveTo(const std::filesystem::path& path) {
    dialogs_.saveAnswers.push_back(FileDialogAnswer{QString::fromStdString(path.string()), 0});
    Button("CmdButton1")->Click();
  }
  // The names in a folder, to show what a failed save left behind.
  static std::vector<std::string> FilesIn(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }
  // The save was refused with this message and left the form and the old file as they were.
  void ExpectRefused(const QString& messageStart) {
    ASSERT_EQ(dialogs_.messages.size(), 1u);
    EXPECT_TRUE(dialogs_.messages[0].text.startsWith(messageStart)) << dialogs_.messages[0].text.toStdString();
    EXPECT_EQ(dialogs_.messages[0].flags, 0x10u);
    EXPECT_EQ(Edit("edNombre")->text(), "Ana de Souza");
    EXPECT_EQ(ReadBytes(folder_ / "Fighters/LW/Ana.txt"), JoinLines(fighter_));
  }

  std::vector<std::string> fighter_;
};

TEST_F(FaultsSurvived, ASaveBeyondTheFileSizeLimitKeepsTheFormerFile) {
  // The loaded fighter carries a long extra line, so its file no longer fits.
  fighter_.push_back(std::string(64 * 1024, 'x'));
  WriteFighter("Fighters/LW/Ana.txt", fighter_);
  Form().LoadFighter(folder_ / "Fighters/LW/Ana.txt");
  Spin("spPunch")->SetValue(20);
  {
    FileSizeLimit limit(32 * 1024);
    SaveTo(folder_ / "Fighters/LW/Ana.txt");
  }
  ExpectRefused("Stream write error");
  EXPECT_EQ(FilesIn(folder_ / "Fighters/LW"), std::vector<std::string>{"Ana.txt"});
  SaveTo(folder_ / "Fighters/LW/Ana.txt");
  EXPECT_EQ(LineAt(folder_ / "Fighters/LW/Ana.txt", 0), "20");
}

TEST_F(FaultsSurvived, ASaveOntoAReadOnlyFileKeepsIt) {
  std::filesystem::permissions(folder_ / "Fighters/LW/Ana.txt", std::filesystem::perms::owner_read |
                                                                    std::filesystem::perms::group_read);
  SaveTo(folder_ / "Fighters/LW/Ana.txt");
  ExpectRefused("Cannot create file \"");
}

TEST_F(FaultsSurvived, ASaveIntoAFolderOrAMissingFolderIsRefused) {
  std::filesystem::create_directory(folder_ / "Fighters/LW/Folder.txt");
  SaveTo(folder_ / "Fighters/LW/Folder.txt");
  ExpectRefused("Cannot create file \"");
  dialogs_.Clear();
  SaveTo(folder_ / "Fighters/Nowhere/Ana.txt");
  ExpectRefused("Cannot create file \"");
}

TEST_F(FaultsSurvived, ASaveIntoAReadOnlyFolderKeepsItsFiles) {
  const auto folder = folder_ / "Fighters/LW";
  if (geteuid() != 0) {
    std::filesystem::permissions(folder, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    SaveTo(folder / "New.txt");
    std::filesystem::permissions(folder, std::filesystem::perms::owner_all);
    ExpectRefused("Cannot create file \"");
    return;
  }
  // An administrator writes anywhere: the refusal is checked as an ordinary user, in a
  // process of its own.
  std::filesystem::permissions(folder_.Path(), std::filesystem::perms::all);
  std::filesystem::permissions(folder_ / "Fighters", std::filesystem::perms::all);
  std::filesystem::permissions(folder, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec |
                                           std::filesystem::perms::others_read | std::filesystem::perms::others_exec);
  EXPECT_EQ(SaveAsOrdinaryUser(folder / "Ana.txt", "x\r\n"), SaveOutcome::CreateError);
  EXPECT_EQ(ReadBytes(folder / "Ana.txt"), JoinLines(fighter_));
  EXPECT_EQ(FilesIn(folder), std::vector<std::string>{"Ana.txt"});
}

TEST_F(FaultsSurvived, AFighterFileDeletedBetweenLoadAndSaveIsSimplyWrittenAgain) {
  Pick(Combo("cbCatPeso"), 2);
  std::filesystem::create_directories(folder_ / "Fighters/WW");
  std::filesystem::remove(folder_ / "Fighters/LW/Ana.txt");
  SaveTo(folder_ / "Fighters/WW/Ana.txt");
  ASSERT_EQ(dialogs_.messages.size(), 1u) << "only the confirmation";
  EXPECT_TRUE(IsExistingFile(folder_ / "Fighters/WW/Ana.txt"));
}

TEST_F(FaultsSurvived, AHundredMegabyteFighterLoadsAndSavesWhole) {
  fighter_.push_back(std::string(100 * 1024 * 1024, 'z'));
  WriteFighter("Fighters/LW/Ana.txt", fighter_);
  Form().LoadFighter(folder_ / "Fighters/LW/Ana.txt");
  ASSERT_TRUE(dialogs_.messages.empty());
  SaveTo(folder_ / "Fighters/LW/Ana.txt");
  EXPECT_EQ(std::filesystem::file_size(folder_ / "Fighters/LW/Ana.txt"), JoinLines(fighter_).size());
  EXPECT_EQ(LineAt(folder_ / "Fighters/LW/Ana.txt", 36).size(), 100u * 1024 * 1024);
}

TEST_F(FaultsSurvived, ATeamFolderOfTenThousandEntriesIsListedWhole) {
  std::filesystem::remove_all(folder_ / "Team");
  std::filesystem::create_directory(folder_ / "Team");
  for (int i = 0; i < 10000; ++i) WriteBytes(folder_ / "Team" / ("Team " + std::to_string(i) + ".txt"), "");
  std::filesystem::create_directory(folder_ / "Team/Club.txt");
  WriteBytes(folder_ / "Team/.hidden.txt", "");
  WriteBytes(folder_ / "Team/notes.doc", "");
  StartShown();
  EXPECT_EQ(Combo("cbTeam")->count(), 10002);
  EXPECT_GE(Combo("cbTeam")->findText("Club"), 0);
  EXPECT_GE(Combo("cbTeam")->findText(".hidden"), 0);
  EXPECT_EQ(Combo("cbTeam")->findText("notes"), -1);
}

// A pipe chosen in the open dialog or named on the command line is read as what it holds,
// without waiting for a writer: the window keeps answering. A device that never ends is
// refused as a file that cannot be loaded.
TEST_F(FaultsSurvived, APipeOrADeviceLoadsWithoutStoppingTheWindow) {
  const auto pipe = folder_ / "Fighters/LW/Pipe.txt";
  MakeNamedPipe(pipe);
  dialogs_.openAnswers.push_back(FileDialogAnswer{QString::fromStdString(pipe.string()), 0});
  EXPECT_TRUE(ReturnsWithoutAWriter(pipe, [&] { Button("CmdButton2")->Click(); }));
  EXPECT_TRUE(dialogs_.messages.empty()) << dialogs_.Texts().join('|').toStdString();
  EXPECT_EQ(Form().LoadedPath(), pipe);
  EXPECT_EQ(Edit("edNombre")->text(), "0") << "loaded as an empty file";

  EXPECT_TRUE(ReturnsWithoutAWriter(pipe, [&] { StartShown({"LW/Pipe.txt"}); }));
  EXPECT_EQ(Form().LoadedPath(), pipe);

  std::filesystem::create_symlink("/dev/zero", folder_ / "Fighters/LW/Zero.txt");
  Form().LoadFighter(folder_ / "Fighters/LW/Zero.txt");
  EXPECT_EQ(dialogs_.Texts(), QStringList{"El luchador no se ha cargado correctamente"});
}

}  // namespace
}  // namespace beditor::test

#endif  // _WIN32
