#include <gtest/gtest.h>

#include "core/argument_splitter.h"

namespace beditor {
namespace {

using Args = std::vector<std::string>;

TEST(SplitCommandLine, SplitsByTheProgramsRules) {
  const std::vector<std::pair<std::string, Args>> cases = {
      {"", {}},
      {"prog", {"prog"}},
      {"prog  LW\\Ana \"de Souza\".txt", {"prog", "LW\\Ana", "de Souza.txt"}},
      {"prog\ta \x01 b", {"prog", "a", "b"}},
      {"\"C:\\Program Files\\b.exe\" x", {"C:\\Program Files\\b.exe", "x"}},
      {"prog \"\" a", {"prog", "a"}},
      {"prog \"\"  \"\" a", {"prog", "a"}},
      {"prog a\"b c\"d", {"prog", "ab cd"}},
      {"prog \"unterminated  text", {"prog", "unterminated  text"}},
      {"prog \\\"a b\\\"", {"prog", "\\a b\\"}},
      {"prog \"", {"prog"}},
  };
  for (const auto& [line, expected] : cases) EXPECT_EQ(SplitCommandLine(line), expected) << line;
}

TEST(ProgramArguments, CountsUpToTheFirstEmptyArgument) {
  const ProgramArguments arguments("/opt/BEditor/beditor", {"beditor", "LW\\John", "Smith.txt", "", "x"});
  EXPECT_EQ(arguments.ArgumentCount(), 2);
  EXPECT_EQ(arguments.ArgumentAt(0), "/opt/BEditor/beditor");
  EXPECT_EQ(arguments.ArgumentAt(1), "LW\\John");
  EXPECT_EQ(arguments.ArgumentAt(2), "Smith.txt");
  EXPECT_EQ(arguments.ArgumentAt(3), "");
  EXPECT_EQ(arguments.ArgumentAt(-1), "");
}

}  // namespace
}  // namespace beditor
