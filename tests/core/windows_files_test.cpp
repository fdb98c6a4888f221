// The Windows file services as the user meets them: what a save keeps of the file it
// replaces.
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
