#include <gtest/gtest.h>

#ifndef _WIN32
#include <unistd.h>
#endif

#include <algorithm>
#include <cerrno>

#include "core/file_access.h"
#include "core/file_errors.h"
#include "support/named_pipe.h"
#include "support/temp_folder.h"

namespace beditor {
namespace {

using test::TempFolder;
using test::WriteBytes;

TEST(FileAccess, ExistingFileMeansAFileNotAFolder) {
  TempFolder folder;
  WriteBytes(folder / "a.txt", "");
  std::filesystem::create_directory(folder / "dir.txt");
  EXPECT_TRUE(IsExistingFile(folder / "a.txt"));
  EXPECT_FALSE(IsExistingFile(folder / "dir.txt"));
  EXPECT_FALSE(IsExistingFile(folder / "none.txt"));
}

TEST(FileAccess, ListFolderReturnsEveryMatchingEntryKind) {
  TempFolder folder;
  for (const char* name : {"Alpha.txt", "Beta.txt", "notes.doc", ".hidden.txt"}) WriteBytes(folder / name, "");
  std::filesystem::create_directory(folder / "Club.txt");
  auto names = ListFolder(folder.Path(), "*.txt");
  std::vector<std::string> sorted;
  for (const auto& name : names) sorted.push_back(name.string());
  std::sort(sorted.begin(), sorted.end());
  EXPECT_EQ(sorted, (std::vector<std::string>{".hidden.txt", "Alpha.txt", "Beta.txt", "Club.txt"}));
  EXPECT_TRUE(ListFolder(folder / "missing", "*.txt").empty());
}

// "*.txt" is matched by its ending, other patterns by the system's wildcard rules: both
// kinds must agree on what matches. Windows matches names regardless of case, as its own
// programs do.
TEST(FileAccess, ListFolderPatternsMatchWholeNamesInTheSystemsCase) {
  TempFolder folder;
  for (const char* name : {"a.txt", "b.TXT", "c.txt.bak", "d.tst", "txt"}) WriteBytes(folder / name, "");
#ifdef _WIN32
  const std::vector<std::pair<std::string, std::vector<std::string>>> cases = {
      {"*.txt", {"a.txt", "b.TXT"}},
      {"*.TXT", {"a.txt", "b.TXT"}},
      {"*txt", {"a.txt", "b.TXT", "txt"}},
      {"*.t?t", {"a.txt", "b.TXT", "d.tst"}},
#else
  const std::vector<std::pair<std::string, std::vector<std::string>>> cases = {
      {"*.txt", {"a.txt"}},
      {"*.TXT", {"b.TXT"}},
      {"*txt", {"a.txt", "txt"}},
      {"*.t?t", {"a.txt", "d.tst"}},
#endif
      {"*", {"a.txt", "b.TXT", "c.txt.bak", "d.tst", "txt"}},
  };
  for (const auto& [pattern, expected] : cases) {
    std::vector<std::string> names;
    for (const auto& name : ListFolder(folder.Path(), pattern)) names.push_back(name.string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, expected) << pattern;
  }
}

TEST(FileAccess, RemoveFileIsSilentAndSameFileSeesThroughPaths) {
  TempFolder folder;
  WriteBytes(folder / "a.txt", "x");
  EXPECT_TRUE(IsSameFile(folder / "a.txt", folder.Path() / "." / "a.txt"));
  EXPECT_FALSE(IsSameFile(folder / "a.txt", folder / "b.txt"));
  RemoveFile(folder / "a.txt");
  RemoveFile(folder / "a.txt");
  EXPECT_FALSE(IsExistingFile(folder / "a.txt"));
}

#ifndef _WIN32
// A path may name a pipe or a device rather than a file, chosen in a dialog or named on the
// command line: the read neither waits for a writer nor reads an endless device, and takes
// what a pipe holds although it has no size.
TEST(FileAccess, ReadingAPipeOrADeviceNeitherWaitsNorFillsTheMemory) {
  TempFolder folder;
  test::MakeNamedPipe(folder / "pipe.txt");
  std::string bytes = "not read";
  EXPECT_TRUE(test::ReturnsWithoutAWriter(folder / "pipe.txt", [&] { bytes = ReadWholeFile(folder / "pipe.txt"); }));
  EXPECT_EQ(bytes, "") << "no writer: nothing to read";

  int ends[2];
  ASSERT_EQ(::pipe(ends), 0);
  ASSERT_EQ(::write(ends[1], "A\r\nB", 4), 4);
  ::close(ends[1]);
  EXPECT_EQ(ReadWholeFile("/dev/fd/" + std::to_string(ends[0])), "A\r\nB") << "a pipe the shell hands over";
  ::close(ends[0]);

  EXPECT_EQ(ReadWholeFile("/dev/null"), "");
  std::filesystem::create_symlink("/dev/zero", folder / "zero.txt");
  try {
    ReadWholeFile(folder / "zero.txt");
    ADD_FAILURE() << "an endless device was read";
  } catch (const FileOpenError& error) {
    EXPECT_EQ(std::string(error.what()), "Cannot open file \"" + AbsolutePathText(folder / "zero.txt") + "\". " +
                                             SystemErrorText(EFBIG));
  }
}
#endif

TEST(FileAccess, ProgramFolderHoldsTheRunningExecutable) {
  EXPECT_TRUE(IsExistingFile(ExecutablePath()));
  EXPECT_EQ(ProgramFolder(), ExecutablePath().parent_path());
}

}  // namespace
}  // namespace beditor
