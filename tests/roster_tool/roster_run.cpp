#include "roster_run.h"

#include <gtest/gtest.h>

#include <sstream>

#include "core/path_utf8.h"
#include "roster_tool/command_line.h"

namespace beditor::roster::test {

std::string FixtureFile(const std::string& name) {
  return beditor::test::ReadBytes(std::filesystem::path(BEDITOR_ROSTER_FIXTURE) / name);
}

TempFolder CopyOfFixture() {
  TempFolder folder;
  std::filesystem::copy(std::filesystem::path(BEDITOR_ROSTER_FIXTURE) / "program_folder", folder.Path(),
                        std::filesystem::copy_options::recursive);
  return folder;
}

RunResult RunTool(const std::filesystem::path& folder, const std::vector<std::string>& arguments) {
  std::vector<std::string> all = {"--folder", PathToUtf8(folder)};
  all.insert(all.end(), arguments.begin(), arguments.end());
  std::ostringstream out;
  std::ostringstream err;
  RunResult result;
  result.code = RunRosterTool(all, {out, err, false});
  result.out = out.str();
  result.err = err.str();
  return result;
}

std::map<std::string, std::string> FolderBytes(const std::filesystem::path& folder) {
  std::map<std::string, std::string> files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
    if (entry.is_regular_file()) {
      const std::u8string name = std::filesystem::relative(entry.path(), folder).generic_u8string();
      files[std::string(name.begin(), name.end())] = beditor::test::ReadBytes(entry.path());
    }
  return files;
}

std::string ExportedCsv(const std::filesystem::path& folder, const std::vector<std::string>& options) {
  std::vector<std::string> arguments = {"export"};
  arguments.insert(arguments.end(), options.begin(), options.end());
  const RunResult result = RunTool(folder, arguments);
  EXPECT_EQ(result.code, 0) << result.err;
  return result.out;
}

void MakeSimpleUpdate(const std::filesystem::path& update) {
  namespace fs = std::filesystem;
  // Line `line` (from 0) of the file replaced, line ends kept.
  const auto editLine = [](const fs::path& file, int line, const std::string& text) {
    std::string bytes = beditor::test::ReadBytes(file);
    std::size_t start = 0;
    for (int i = 0; i < line; ++i) start = bytes.find("\r\n", start) + 2;
    beditor::test::WriteBytes(file, bytes.replace(start, bytes.find("\r\n", start) - start, text));
  };
  constexpr int kPunches = 0, kFullName = 17, kCategory = 20, kSherdogId = 26;
  const fs::path fighters = update / "Fighters";
  editLine(fighters / "FW/Ana Ribeiro.txt", kPunches, "16");
  fs::rename(fighters / "MW/Sergio Ortega.txt", fighters / "WW/Sergio Ortega.txt");
  editLine(fighters / "WW/Sergio Ortega.txt", kCategory, "1");
  fs::copy_file(fighters / "LW/Ignacio Brevanza.txt", fighters / "LW/New Guy.txt");
  editLine(fighters / "LW/New Guy.txt", kFullName, "New Guy");
  editLine(fighters / "LW/New Guy.txt", kSherdogId, "3003");
  beditor::test::WriteBytes(update / "Team/Blue Corner.txt", "1\r\n2\r\n3\r\n");
}

}  // namespace beditor::roster::test
