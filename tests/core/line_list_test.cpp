#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#endif

#include <algorithm>
#include <array>
#include <functional>
#include <memory>
#include <random>

#include "core/file_errors.h"
#include "core/line_list.h"
#include "support/temp_folder.h"

namespace beditor {
namespace {

using test::ReadBytes;
using test::TempFolder;
using test::WriteBytes;

struct SplitCase {
  std::string bytes;
  std::vector<std::string> lines;
};

TEST(SplitLines, FollowsTheLineBreakTable) {
  const std::vector<SplitCase> cases = {
      {"", {}},
      {"A\r\nB", {"A", "B"}},
      {"A\r\nB\r\n", {"A", "B"}},
      {"A\nB", {"A", "B"}},
      {"A\rB", {"A", "B"}},
      {"A\r\n\r\n", {"A", ""}},
      {"A\n\rB", {"A", "", "B"}},
      {"A\r\r\nB", {"A", "", "B"}},
      {"\r\n", {""}},
      {"\r\nA", {"", "A"}},
      {std::string("A\0B\r\nZ", 6), {"A"}},
      {std::string("\0A", 2), {}},
      {"\xEF\xBB\xBF" "ES\r\n", {"\xEF\xBB\xBF" "ES"}},
      {" \tA \t\r\n", {" \tA \t"}},
  };
  for (const auto& c : cases) EXPECT_EQ(SplitLines(c.bytes), c.lines) << testing::PrintToString(c.bytes);
}

// The splitting rule read byte by byte, as the line-break table states it.
std::vector<std::string> SplitByteByByte(std::string_view bytes) {
  std::vector<std::string> lines;
  std::size_t at = 0;
  while (at < bytes.size() && bytes[at] != '\0') {
    std::size_t stop = at;
    while (stop < bytes.size() && std::string_view("\r\n\0", 3).find(bytes[stop]) == std::string_view::npos)
      ++stop;
    lines.emplace_back(bytes.substr(at, stop - at));
    at = stop;
    if (at < bytes.size() && bytes[at] == '\r') ++at;
    if (at < bytes.size() && bytes[at] == '\n') ++at;
  }
  return lines;
}

// The splitter scans in blocks of bytes: line breaks, NULs and other control bytes (tabs)
// at every place in and across blocks, in short and long lines, must split as the table says.
TEST(SplitLines, AgreesWithTheByteByByteRuleOnMixedText) {
  std::mt19937 random(20240611);
  const std::string text = "abcdefghijklmnopqrstuvwxyz \xF3\xFF\x0E";
  const std::string controls = "\t\x01\x0B\x0C";  // low bytes that end no line
  const std::string breaks("\r\r\r\n\n\n\0", 7);
  const auto pick = [&random](const std::string& from) {
    return from[std::uniform_int_distribution<std::size_t>(0, from.size() - 1)(random)];
  };
  const auto oneIn = [&random](int n) { return std::uniform_int_distribution<int>(1, n)(random) == 1; };
  for (int round = 0; round < 3000; ++round) {
    const int length = std::uniform_int_distribution<int>(0, round % 10 == 0 ? 2000 : 200)(random);
    // Line breaks spaced more or less widely; now and then a control byte.
    const int breakEvery = std::uniform_int_distribution<int>(1, 300)(random);
    const int controlEvery = round % 2 == 0 ? 20 : 100000;
    std::string bytes;
    for (int i = 0; i < length; ++i)
      bytes += oneIn(breakEvery) ? pick(breaks) : oneIn(controlEvery) ? pick(controls) : pick(text);
    ASSERT_EQ(SplitLines(bytes), SplitByteByByte(bytes)) << testing::PrintToString(bytes);
  }
}

// A loaded list keeps the file's bytes until a line is used: every way in must see the same
// lines, whichever is first.
TEST(LineList, LoadedFileGivesTheSameLinesThroughEveryAccess) {
  TempFolder folder;
  const auto path = folder / "f.txt";
  const std::vector<std::string> expected = {"A", "", "B", "", "\xF3 z"};
  WriteBytes(path, std::string("A\n\rB\r\r\n\xF3 z\0ignored\r\n", 20));
  const std::vector<std::function<void(LineList&)>> firstUses = {
      [&](LineList& list) { EXPECT_EQ(list.LineAt(4), expected[4]); },
      [&](LineList& list) {
        for (int i = 0; i < 5; ++i) EXPECT_EQ(list.LineView(i), expected[static_cast<std::size_t>(i)]) << i;
      },
      [&](LineList& list) { EXPECT_EQ(list.Lines(), expected); },
      [&](LineList& list) { list.ReplaceLine(0, "A"); },
      [&](LineList& list) { EXPECT_EQ(LineList(list).Lines(), expected); },
      [&](LineList& list) {
        list.SaveLines(folder / "copy.txt");
        EXPECT_EQ(ReadBytes(folder / "copy.txt"), JoinLines(expected));
      },
      [&](LineList& list) {
        std::array<std::string_view, 5> views;
        list.FirstLineViews(views);
        EXPECT_EQ(std::vector<std::string>(views.begin(), views.end()), expected);
        std::array<std::string_view, 6> tooMany;
        EXPECT_THROW(list.FirstLineViews(tooMany), ListIndexError);
      },
  };
  for (const auto& use : firstUses) {
    LineList list;
    list.LoadLines(path);
    EXPECT_EQ(list.LineCount(), 5);
    use(list);
    EXPECT_EQ(list.Lines(), expected);
    EXPECT_EQ(list.LineView(4), expected[4]);
    EXPECT_EQ(list.AppendLine("new"), 5);
    EXPECT_EQ(list.LineView(5), "new");
  }

  LineList list;
  list.LoadLines(path);
  const std::string& first = list.LineAt(0);
  EXPECT_EQ(list.LineAt(2), "B");
  EXPECT_EQ(first, "A") << "a line handed out stays valid while the list is unchanged";
  EXPECT_THROW(list.LineAt(5), ListIndexError);
  list.LoadLines(path);
  EXPECT_THROW(list.LineView(5), ListIndexError);
  EXPECT_THROW(list.LineView(-1), ListIndexError);
}

// A const call turns the loaded bytes into strings: the views taken before it must still
// read their lines afterwards. Memory given back is handed out again at once by the next
// requests of its size, so the freshly filled blocks below overwrite any bytes freed under
// the views; the sanitizer build reports the read itself.
TEST(LineList, ViewsStayValidThroughConstCalls) {
  TempFolder folder;
  const std::string line(300, 'a');
  const std::string bytes = line + "\r\n" + line + "b\r\n";
  WriteBytes(folder / "f.txt", bytes);
  const std::vector<std::pair<const char*, std::function<void(const LineList&)>>> constCalls = {
      {"LineAt", [](const LineList& list) { EXPECT_EQ(list.LineAt(1), std::string(300, 'a') + "b"); }},
      {"Lines", [](const LineList& list) { EXPECT_EQ(list.Lines().size(), 2u); }},
      {"SaveLines", [&folder](const LineList& list) { list.SaveLines(folder / "copy.txt"); }},
  };
  for (const auto& [name, call] : constCalls) {
    LineList list;
    list.LoadLines(folder / "f.txt");
    std::array<std::string_view, 2> views{list.LineView(0)};
    list.FirstLineViews(std::span(views).subspan(1, 1));
    call(list);
    std::vector<std::unique_ptr<char[]>> reused;
    for (std::size_t size = bytes.size(); size < bytes.size() + 200; size += 8) {
      reused.push_back(std::make_unique<char[]>(size));
      std::fill_n(reused.back().get(), size, 'x');
    }
    EXPECT_EQ(views[0], line) << name;
    EXPECT_EQ(views[1], line) << name;
  }
}

// A reader of many files loads each into the same list, which reuses its memory: a copy
// made before must keep its own lines, and a shorter file must leave nothing of a longer one.
TEST(LineList, LoadingBytesAgainLeavesCopiesAndNoTraceOfTheFileBefore) {
  LineList list;
  list.LoadBytes("first line\r\nsecond line\r\nthird\r\n");
  const LineList copy = list;
  list.LoadBytes("B\nC");
  EXPECT_EQ(copy.Lines(), (std::vector<std::string>{"first line", "second line", "third"}));
  EXPECT_EQ(list.Lines(), (std::vector<std::string>{"B", "C"}));
  list.LoadBytes("x\r\ny and more");
  list.LoadBytes("z\r");
  EXPECT_EQ(list.LineCount(), 1);
  EXPECT_EQ(list.LineView(0), "z");
  list.LoadBytes(list.LineView(0));  // the list's own bytes
  EXPECT_EQ(list.Lines(), std::vector<std::string>{"z"});
  list.LoadBytes("");
  EXPECT_EQ(list.LineCount(), 0);
}

TEST(JoinLines, EndsEveryLineWithCrLf) {
  EXPECT_EQ(JoinLines({}), "");
  EXPECT_EQ(JoinLines({""}), "\r\n");
  EXPECT_EQ(JoinLines({"A", "", "B"}), "A\r\n\r\nB\r\n");
}

TEST(LineList, IndexErrorsNameTheIndexAndNeverExtend) {
  LineList list({"a", "b"});
  EXPECT_EQ(list.LineAt(1), "b");
  for (int bad : {-1, 2, 100}) {
    try {
      list.LineAt(bad);
      FAIL() << bad;
    } catch (const ListIndexError& error) {
      EXPECT_EQ(std::string(error.what()), "List index out of bounds (" + std::to_string(bad) + ")");
    }
    EXPECT_THROW(list.ReplaceLine(bad, "x"), ListIndexError);
  }
  EXPECT_EQ(list.LineCount(), 2);
  EXPECT_EQ(list.AppendLine("c"), 2);
  list.ReplaceLine(2, "C");
  EXPECT_EQ(list.Lines(), (std::vector<std::string>{"a", "b", "C"}));
  EXPECT_THROW(LineList().LineAt(0), ListIndexError);
}

TEST(LineList, RoundTripsCrLfFilesAndNormalisesOthers) {
  TempFolder folder;
  const auto path = folder / "f.txt";
  WriteBytes(path, "A\r\n\r\n\xF3\r\n\r\n");
  LineList list;
  list.LoadLines(path);
  EXPECT_EQ(list.Lines(), (std::vector<std::string>{"A", "", "\xF3", ""}));
  list.SaveLines(path);
  EXPECT_EQ(ReadBytes(path), "A\r\n\r\n\xF3\r\n\r\n");

  WriteBytes(path, "x\ny\rz");
  list.LoadLines(path);
  list.SaveLines(path);
  EXPECT_EQ(ReadBytes(path), "x\r\ny\r\nz\r\n");

  LineList().SaveLines(path);
  EXPECT_EQ(ReadBytes(path), "");
}

TEST(LineList, FailedLoadKeepsTheListAndNamesTheFile) {
  TempFolder folder;
  LineList list({"kept"});
  for (const auto& path : {folder / "missing.txt", folder.Path()}) {
    try {
      list.LoadLines(path);
      FAIL();
    } catch (const FileOpenError& error) {
      const std::string message = error.what();
      EXPECT_EQ(message.rfind("Cannot open file \"" + path.lexically_normal().string() + "\". ", 0), 0u)
          << message;
      EXPECT_NE(message.back(), '.');
      EXPECT_NE(message.back(), ' ');
    }
    EXPECT_EQ(list.Lines(), std::vector<std::string>{"kept"});
  }
}

TEST(LineList, FailedCreateLeavesTheFormerFile) {
  TempFolder folder;
  const auto readOnly = folder / "ro.txt";
  WriteBytes(readOnly, "old\r\n");
  std::filesystem::permissions(readOnly, std::filesystem::perms::owner_read);
  const LineList list({"new"});
  const std::vector<std::filesystem::path> refused = {folder / "no" / "such.txt", readOnly, folder.Path()};
  for (const auto& path : refused) {
    try {
      list.SaveLines(path);
      FAIL() << path;
    } catch (const FileCreateError& error) {
      EXPECT_EQ(std::string(error.what()).rfind("Cannot create file \"", 0), 0u);
    }
  }
  EXPECT_EQ(ReadBytes(readOnly), "old\r\n");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);
}

#ifndef _WIN32
// Writes in a child whose file-size limit is smaller than the new content: a real short
// write. Returns the child's exit code: 0 saved, 1 StreamWriteError, 2 anything else.
int SaveUnderSizeLimit(const std::filesystem::path& path, const LineList& list, rlim_t limit) {
  const pid_t child = fork();
  if (child == 0) {
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit small{limit, limit};
    setrlimit(RLIMIT_FSIZE, &small);
    try {
      list.SaveLines(path);
      _exit(0);
    } catch (const StreamWriteError& error) {
      _exit(std::string(error.what()) == "Stream write error" ? 1 : 2);
    } catch (...) {
      _exit(2);
    }
  }
  int status = 0;
  waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 3;
}

TEST(LineList, ShortWriteKeepsTheFormerFileAndLeavesNoTemporary) {
  TempFolder folder;
  const auto path = folder / "fighter.txt";
  WriteBytes(path, "old content\r\n");
  const LineList big({std::string(64 * 1024, 'x')});
  EXPECT_EQ(SaveUnderSizeLimit(path, big, 4096), 1);
  EXPECT_EQ(ReadBytes(path), "old content\r\n");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);

  EXPECT_EQ(SaveUnderSizeLimit(path, LineList({"fits"}), 4096), 0);
  EXPECT_EQ(ReadBytes(path), "fits\r\n");
}
#endif

}  // namespace
}  // namespace beditor
