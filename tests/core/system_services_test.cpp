// The system services as the running program meets them: file names beyond ASCII, the
// program's own folder and command line, and the system's error texts.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "child_process.h"
#include "core/file_access.h"
#include "core/line_list.h"
#include "core/path_utf8.h"
#include "support/temp_folder.h"

namespace beditor {
namespace {

using test::TempFolder;

TEST(SystemServices, NamesBeyondAsciiAreCreatedListedFoundAndRemoved) {
  TempFolder folder;
  const std::vector<std::string> names = {"Ñandú.txt", "Müller.txt", "Łukasz.txt", "東京.txt"};
  for (const auto& name : names) LineList({"0", "0", "0"}).SaveLines(folder.Path() / PathFromUtf8(name));
  test::WriteBytes(folder.Path() / PathFromUtf8("Ñandú.doc"), "");

  std::vector<std::string> listed;
  for (const auto& name : ListFolder(folder.Path(), "*.txt")) listed.push_back(PathToUtf8(name));
  std::vector<std::string> visited;
  ForEachInFolder(folder.Path(), "*.txt",
                  [&visited](NativeName name) { visited.push_back(PathToUtf8(std::filesystem::path(name))); });
  auto sorted = names;
  std::sort(sorted.begin(), sorted.end());
  std::sort(listed.begin(), listed.end());
  std::sort(visited.begin(), visited.end());
  EXPECT_EQ(listed, sorted);
  EXPECT_EQ(visited, sorted);

  for (const auto& name : names) {
    const auto path = folder.Path() / PathFromUtf8(name);
    EXPECT_TRUE(IsExistingFile(path)) << name;
    EXPECT_EQ(test::ReadBytes(path), "0\r\n0\r\n0\r\n") << name;
    RemoveFile(path);
    EXPECT_FALSE(IsExistingFile(path)) << name;
  }
}

TEST(SystemServices, ErrorTextsAreTrimmedAndDistinct) {
  std::vector<std::string> texts;
  for (int number : {2, 3, 5, 13}) {
    const std::string text = SystemErrorText(number);
    ASSERT_FALSE(text.empty()) << number;
    const unsigned char last = static_cast<unsigned char>(text.back());
    EXPECT_TRUE(last > ' ' && last != '.') << number << ": '" << text << "'";
    texts.push_back(text);
  }
  std::sort(texts.begin(), texts.end());
  EXPECT_EQ(std::adjacent_find(texts.begin(), texts.end()), texts.end());
  EXPECT_EQ(TrimSystemText("Access is denied.\r\n"), "Access is denied");
}

std::vector<std::string> OutputLines(const std::string& output) {
  std::vector<std::string> lines;
  std::istringstream in(output);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

// The helper prints its argument count, arguments 0..count and its program folder.
const std::filesystem::path kShowArguments = ProgramFolder() / "show_arguments"
#ifdef _WIN32
                                                                 ".exe"
#endif
    ;

TEST(SystemServices, ARunningProgramSeesItsOwnFolderAndArguments) {
  struct Case {
#ifdef _WIN32
    std::wstring commandLine;
#else
    std::vector<std::string> arguments;
#endif
    std::vector<std::string> expected;  // arguments 1..count
  };
  const std::vector<Case> cases = {
#ifdef _WIN32
      {L"show_arguments", {}},
      {L"show_arguments LW\\John Smith.txt", {"LW\\John", "Smith.txt"}},
      {L"\"show arguments\"  \"LW\\Ana de Souza.txt\"", {"LW\\Ana de Souza.txt"}},
      {L"show_arguments a\"b c\"d \"\" e", {"ab cd", "e"}},
      {L"show_arguments \u00D1and\u00FA \u6771\u4EAC", {"Ñandú", "東京"}},
#else
      {{"show_arguments"}, {}},
      {{"show_arguments", "LW\\John", "Smith.txt"}, {"LW\\John", "Smith.txt"}},
      {{"show_arguments", "a", "", "b"}, {"a"}},
      {{"show_arguments", "Ñandú", "東京"}, {"Ñandú", "東京"}},
#endif
  };
  for (const Case& c : cases) {
#ifdef _WIN32
    const auto lines = OutputLines(test::RunWithCommandLine(kShowArguments, c.commandLine));
#else
    const auto lines = OutputLines(test::RunWithArguments(kShowArguments, c.arguments));
#endif
    ASSERT_EQ(lines.size(), c.expected.size() + 3);
    EXPECT_EQ(lines[0], std::to_string(c.expected.size()));
    EXPECT_EQ(lines[1], PathToUtf8(kShowArguments));
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 2, lines.end() - 1), c.expected);
    EXPECT_EQ(lines.back(), PathToUtf8(kShowArguments.parent_path()));
  }
}

// Every program's start reads its command line whole: on Windows as wide text, so that a
// folder named outside the ANSI code page arrives as it is.
TEST(SystemServices, EveryProgramsStartReadsItsArgumentsAsUtf8) {
  const std::vector<std::string> expected = {"--start-process", "--folder", "C:\\Users\\\xC5\x81ukasz\\BEditor",
                                             "\xE6\x9D\xB1\xE4\xBA\xAC"};
#ifdef _WIN32
  const auto lines = OutputLines(
      test::RunWithCommandLine(kShowArguments, L"show_arguments --start-process --folder C:\\Users\\\u0141ukasz\\BEditor \u6771\u4EAC"));
#else
  std::vector<std::string> arguments = {"show_arguments"};
  arguments.insert(arguments.end(), expected.begin(), expected.end());
  const auto lines = OutputLines(test::RunWithArguments(kShowArguments, arguments));
#endif
  EXPECT_EQ(lines, expected);
}

}  // namespace
}  // namespace beditor
