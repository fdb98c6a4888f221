// The built beditor-roster itself: help, version and exit codes as a shell sees them.
#include <gtest/gtest.h>

#include <cstdlib>

#include "beditor_version.h"
#include "core/path_utf8.h"
#include "roster_run.h"

#ifndef _WIN32
#include <sys/wait.h>
#endif

namespace beditor::roster::test {
namespace {

using beditor::test::ReadBytes;

struct Process {
  int code;
  std::string out;
  std::string err;
};

// Runs the program through the system's shell, its output captured in files.
Process RunProgram(const TempFolder& scratch, const std::string& arguments, const std::string& shellFirst = "") {
  const auto out = scratch / "out.txt";
  const auto err = scratch / "err.txt";
  const std::string program = std::filesystem::path(BEDITOR_ROSTER_EXE).make_preferred().string();
  std::string command = shellFirst + "\"" + program + "\" " + arguments + " >\"" + out.string() + "\" 2>\"" + err.string() + "\"";
#ifdef _WIN32
  // cmd.exe takes the outer quotes off a command line holding several quoted parts.
  command = "\"" + command + "\"";
#endif
  const int status = std::system(command.c_str());
#ifdef _WIN32
  const int code = status;
#else
  const int code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
  return {code, ReadBytes(out), ReadBytes(err)};
}

TEST(ToolBinary, HelpVersionAndExitCodes) {
  const TempFolder scratch;
  const TempFolder folder = CopyOfFixture();
  const std::string onFixture = "--folder \"" + folder.Path().string() + "\" ";

  Process run = RunProgram(scratch, "--help");
  EXPECT_EQ(run.code, 0);
  for (const char* command : {"check", "rate", "export", "import", "--folder", "--mode", "--quiet"})
    EXPECT_NE(run.out.find(command), std::string::npos) << command;
  run = RunProgram(scratch, "import --help");
  EXPECT_EQ(run.code, 0);
  EXPECT_NE(run.out.find("--dry-run"), std::string::npos) << run.out;

  run = RunProgram(scratch, "--version");
  EXPECT_EQ(run.code, 0);
  EXPECT_EQ(run.out, "beditor-roster " BEDITOR_VERSION "\n");

  // Usage errors.
  EXPECT_EQ(RunProgram(scratch, "").code, 2);
  EXPECT_EQ(RunProgram(scratch, "frobnicate").code, 2);
  EXPECT_EQ(RunProgram(scratch, onFixture + "--mode pride check").code, 2);
  EXPECT_EQ(RunProgram(scratch, onFixture + "import").code, 2);
  // A program folder that is not one.
  run = RunProgram(scratch, "--folder \"" + (scratch / "nowhere").string() + "\" check");
  EXPECT_EQ(run.code, 2);
  EXPECT_EQ(run.out, "");
  EXPECT_NE(run.err.find("is not a folder"), std::string::npos) << run.err;

  // The fixture has errors; its own export imports back unchanged.
  run = RunProgram(scratch, onFixture + "check");
  EXPECT_EQ(run.code, 1);
  EXPECT_EQ(run.out, FixtureFile("check_tav.txt"));
  const std::string csv = (scratch / "roster.csv").string();
  EXPECT_EQ(RunProgram(scratch, onFixture + "export -o \"" + csv + "\"").code, 0);
  EXPECT_EQ(ReadBytes(csv), FixtureFile("export_tav.csv"));
  run = RunProgram(scratch, onFixture + "--quiet import \"" + csv + "\"");
  EXPECT_EQ(run.code, 0);
  EXPECT_EQ(run.out, "0 changed, 0 moved, 0 created, 12 unchanged\n");
  // Standard output as a file: the CSV's CR LF stay as they are.
  EXPECT_EQ(RunProgram(scratch, onFixture + "export").out, FixtureFile("export_tav.csv"));
}

#ifndef _WIN32
// A file-size limit ends the export's write, not the tool: it says so, exits 1 and leaves
// neither the CSV nor its temporary file behind, as the editor and the window do.
TEST(ToolBinary, AFileSizeLimitIsAFailedWriteNotTheEndOfTheTool) {
  const TempFolder scratch;
  const TempFolder output;
  const TempFolder folder = CopyOfFixture();
  const std::string csv = (output / "roster.csv").string();
  const Process run =
      RunProgram(scratch, "--folder \"" + folder.Path().string() + "\" export -o \"" + csv + "\"", "ulimit -f 1; ");
  EXPECT_EQ(run.code, 1) << run.err;
  EXPECT_NE(run.err.find("roster.csv"), std::string::npos) << run.err;
  EXPECT_TRUE(std::filesystem::is_empty(output.Path())) << "the CSV or its temporary file is left";
}
#endif

}  // namespace
}  // namespace beditor::roster::test
