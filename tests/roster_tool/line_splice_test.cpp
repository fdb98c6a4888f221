// Changing lines of a file while keeping every other byte.
#include <gtest/gtest.h>

#include "core/line_list.h"
#include "roster_rules/line_splice.h"

namespace beditor::roster {
namespace {

TEST(ReplaceLinesKeepingBytes, KeepsLineEndsAndEverythingElse) {
  struct Case {
    std::string bytes;
    std::map<int, std::string> lines;
    std::string expected;
  };
  const Case cases[] = {
      {"a\r\nb\r\nc\r\n", {{1, "B"}}, "a\r\nB\r\nc\r\n"},
      {"a\nb\rc\r\nd", {{0, "A"}, {1, "BB"}, {3, ""}}, "A\nBB\rc\r\n\r\n"},
      {"a\r\n\r\nc", {{1, "b"}}, "a\r\nb\r\nc"},
      // Past the end: the last line ended first, the gap padded with "0".
      {"a\nb", {{3, "d"}}, "a\nb\r\n0\r\nd\r\n"},
      {"a\r\n", {{1, "b"}}, "a\r\nb\r\n"},
      {"", {{0, "x"}}, "x\r\n"},
      // The text ends at a NUL; what follows it stays where it is.
      {std::string("a\r\nb\0c\r\n", 8), {{1, "B"}, {2, "C"}}, std::string("a\r\nB\r\nC\r\n\0c\r\n", 13)},
      {"a\r\nb\r\n", {}, "a\r\nb\r\n"},
  };
  for (const Case& c : cases) {
    const std::string result = ReplaceLinesKeepingBytes(c.bytes, c.lines);
    EXPECT_EQ(result, c.expected) << c.bytes;
    // Whatever the bytes, a load then sees the new lines where they were asked for.
    const auto lines = SplitLines(result);
    for (const auto& [index, text] : c.lines) EXPECT_EQ(lines.at(static_cast<std::size_t>(index)), text) << c.bytes;
  }
}

}  // namespace
}  // namespace beditor::roster
