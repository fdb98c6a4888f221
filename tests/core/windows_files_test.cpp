// The Windows file services as other programs and the user meet them: what a read lets
// others do with the file meanwhile, and what a save keeps of the file it replaces.
#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <iterator>

#include "core/file_access.h"
#include "core/file_errors.h"
#include "support/temp_folder.h"

namespace beditor {
namespace {

using test::ReadBytes;
using test::TempFolder;
using test::WriteBytes;

// A spreadsheet keeps the file it saved open for writing and lets others read it: a read
// that shares writing gets in, the program's own files are read only with no writer about.
TEST(WindowsFiles, AFileHeldOpenForWritingIsReadWhereWritingIsShared) {
  TempFolder folder;
  const auto path = folder / "roster.csv";
  WriteBytes(path, "file,punches\r\n");
  const HANDLE held = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  EXPECT_EQ(ReadWholeFile(path, ReadSharing::OthersMayReadAndWrite), "file,punches\r\n");
  EXPECT_THROW(ReadWholeFile(path), FileOpenError);
  CloseHandle(held);
}

std::uint64_t CreationTime(const std::filesystem::path& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  EXPECT_TRUE(GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data));
  return (std::uint64_t{data.ftCreationTime.dwHighDateTime} << 32) | data.ftCreationTime.dwLowDateTime;
}

bool UnderWine() {
  return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

// A save replaces the bytes, through a path as given or relative, and keeps what the user
// gave the file: its attributes (hidden) and its creation time. Wine (8.0) replaces the file
// but keeps neither, whatever the call: there the replacement itself is checked.
TEST(WindowsFiles, AReplacedFileKeepsItsAttributesAndCreationTime) {
  TempFolder folder;
  const auto path = folder / "Ana.txt";
  WriteBytes(path, "former\r\n");
  ASSERT_TRUE(SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_HIDDEN));
  const std::uint64_t created = CreationTime(path);
  Sleep(20);  // a new file would be created later

  ReplaceFileContents(path, "new\r\n");
  EXPECT_EQ(ReadBytes(path), "new\r\n");
  if (!UnderWine()) {
    EXPECT_NE(GetFileAttributesW(path.c_str()) & FILE_ATTRIBUTE_HIDDEN, 0u);
    EXPECT_EQ(CreationTime(path), created);
  }
  const auto working = std::filesystem::current_path();
  std::filesystem::current_path(folder.Path());
  ReplaceFileContents("Ana.txt", "newer\r\n");
  std::filesystem::current_path(working);
  EXPECT_EQ(ReadBytes(path), "newer\r\n");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1) << "a temporary file stayed";
}

}  // namespace
}  // namespace beditor
#endif  // _WIN32
