#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <string>

#include "core/file_errors.h"
#include "core/folder_reader.h"
#include "core/path_utf8.h"
#include "support/temp_folder.h"

namespace beditor {
namespace {

using test::TempFolder;
using test::WriteBytes;

// One reader, one buffer: each read must give exactly its own file, whatever came before.
TEST(FolderReader, ReadsEachFileWholeBelowTheFolder) {
  TempFolder folder;
  std::filesystem::create_directories(folder / "Fighters" / "LW");
  const std::string large(200 * 1024 + 7, 'x');  // more than one buffer's first size
  WriteBytes(folder / "Fighters" / "LW" / PathFromUtf8("\xC3\x91" "and\xC3\xBA.txt"), "N\r\n");
  WriteBytes(folder / "Fighters" / "LW" / "large.txt", large);
  WriteBytes(folder / "Fighters" / "LW" / "small.txt", std::string("a\0b", 3));
  WriteBytes(folder / "Fighters" / "LW" / "empty.txt", "");

  FolderReader reader(folder / "Fighters");
  EXPECT_EQ(reader.Read("LW/\xC3\x91" "and\xC3\xBA.txt"), "N\r\n");
  EXPECT_EQ(reader.Read("LW/large.txt"), large);
  EXPECT_EQ(reader.Read("LW/small.txt"), std::string_view("a\0b", 3));
  EXPECT_EQ(reader.Read("LW/empty.txt"), "");
  EXPECT_EQ(reader.Read("LW/large.txt"), large);
}

TEST(FolderReader, RefusesWhatIsNoReadableFileNamingItsWholePath) {
  TempFolder folder;
  std::filesystem::create_directories(folder / "Fighters" / "LW");
  WriteBytes(folder / "Fighters" / "LW" / "a.txt", "A");
  FolderReader reader(folder / "Fighters");
  const auto messageOf = [&reader](std::string_view relative) {
    try {
      reader.Read(relative);
    } catch (const FileOpenError& error) {
      return std::string(error.what());
    }
    return std::string("read");
  };
  EXPECT_NE(messageOf("LW/missing.txt").find("missing.txt"), std::string::npos);
  EXPECT_NE(messageOf("LW/missing.txt").find("Fighters"), std::string::npos);
  EXPECT_NE(messageOf("LW"), "read") << "a folder is no file";
  // The name must not be cut at the NUL, which would read a.txt.
  EXPECT_NE(messageOf(std::string_view("LW/a.txt\0.bak", 13)), "read");
  EXPECT_EQ(reader.Read("LW/a.txt"), "A");

  FolderReader missing(folder / "none");
  EXPECT_THROW(missing.Read("LW/a.txt"), FileOpenError);
}

#ifndef _WIN32
// A name may lead elsewhere than to a file: a reader of a whole folder must not wait for a
// pipe's writer or read an endless device until the memory is full.
TEST(FolderReader, NeitherWaitsForAPipeNorReadsAnEndlessDevice) {
  TempFolder folder;
  ASSERT_EQ(::mkfifo((folder / "pipe.txt").c_str(), 0600), 0);
  std::filesystem::create_symlink("/dev/zero", folder / "zero.txt");
  FolderReader reader(folder.Path());
  EXPECT_EQ(reader.Read("pipe.txt"), "") << "no writer: nothing to read";
  EXPECT_THROW(reader.Read("zero.txt"), FileOpenError);
}
#endif

}  // namespace
}  // namespace beditor
