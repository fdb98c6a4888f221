// The Windows file services as other programs and the user meet them: what a read lets
// others do with the file meanwhile, what a save keeps of the file it replaces, and what it
// tells the user when the replacement fails halfway.
#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <iterator>
#include <string>
#include <vector>

#include "core/file_access.h"
#include "core/file_errors.h"
#include "core/path_utf8.h"
#include "support/temp_folder.h"

#ifdef __MINGW32__
// The program's entries in its import table for the system calls of a save (the linker's
// names for them): a test puts its own function there to make the system answer as it
// rarely does.
extern "C" {
extern decltype(&ReplaceFileW) __imp_ReplaceFileW;
extern decltype(&MoveFileExW) __imp_MoveFileExW;
}
#endif

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

// The roster window may be reading a fighter just when the editor saves it: the save goes
// through and the read gets the whole former file. A program that holds the file for
// writing still refuses the save, and the file stays as it was.
TEST(WindowsFiles, ASaveWhileTheFileIsReadReplacesItButNotWhileItIsWritten) {
  TempFolder folder;
  const auto path = folder / "Ana.txt";
  for (const ReadSharing sharing : {ReadSharing::OthersMayRead, ReadSharing::OthersMayReadAndWrite}) {
    WriteBytes(path, "former\r\n");
    std::string read;
    std::string saveError;
    const std::size_t got = ReadWholeFileInto(
        path,
        [&](std::size_t size) {
          read.resize(size);
          try {
            ReplaceFileContents(path, "new\r\n");
          } catch (const BEditorError& error) {
            saveError = error.what();
          }
          return read.data();
        },
        sharing);
    read.resize(got);
    EXPECT_EQ(saveError, "");
    EXPECT_EQ(ReadBytes(path), "new\r\n");
    EXPECT_EQ(read, "former\r\n");
  }

  const HANDLE held = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_DELETE,
                                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  EXPECT_THROW(ReplaceFileContents(path, "newer\r\n"), FileCreateError);
  CloseHandle(held);
  EXPECT_EQ(ReadBytes(path), "new\r\n");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1) << "a temporary file stayed";
}

#ifdef __MINGW32__

// Puts `standIn` in place of a system call for every caller in this program, and the call
// back at the end of the scope.
template <typename Function>
class SystemCallReplaced {
 public:
  SystemCallReplaced(Function& entry, Function standIn) : entry_(entry), former_(entry) { Set(standIn); }
  ~SystemCallReplaced() { Set(former_); }
  SystemCallReplaced(const SystemCallReplaced&) = delete;
  SystemCallReplaced& operator=(const SystemCallReplaced&) = delete;

 private:
  void Set(Function function) {
    DWORD protection = 0;
    VirtualProtect(&entry_, sizeof entry_, PAGE_READWRITE, &protection);
    entry_ = function;
    VirtualProtect(&entry_, sizeof entry_, protection, &protection);
  }
  Function& entry_;
  Function former_;
};

DWORD moveRefusal = ERROR_SUCCESS;

// What Windows documents for a replacement without a backup name whose last step fails:
// the former file is gone, and the new one still has its temporary name.
BOOL WINAPI ReplaceRemovingTheFormerFile(LPCWSTR replaced, LPCWSTR, LPCWSTR, DWORD, LPVOID, LPVOID) {
  DeleteFileW(replaced);
  SetLastError(ERROR_UNABLE_TO_MOVE_REPLACEMENT);
  return FALSE;
}

BOOL WINAPI MoveRefused(LPCWSTR, LPCWSTR, DWORD) {
  SetLastError(moveRefusal);
  return FALSE;
}

// When the replacement has removed the former file and the new one cannot take its name
// either, the temporary file is the only copy of the fighter: it stays, and the message
// names it, whatever the system's reason, so that the user can take it back.
TEST(WindowsFiles, ASaveThatLostTheFormerFileNamesTheTemporaryFileThatHoldsTheNewOne) {
  for (const DWORD refusal : {DWORD{ERROR_ACCESS_DENIED}, DWORD{ERROR_SHARING_VIOLATION}}) {
    TempFolder folder;
    const auto path = folder / "Ana.txt";
    WriteBytes(path, "former\r\n");
    moveRefusal = refusal;
    std::string message;
    {
      const SystemCallReplaced replace(__imp_ReplaceFileW, &ReplaceRemovingTheFormerFile);
      const SystemCallReplaced move(__imp_MoveFileExW, &MoveRefused);
      try {
        ReplaceFileContents(path, "new\r\n");
        ADD_FAILURE() << "the save reported success";
      } catch (const FileCreateError& error) {
        message = error.what();
      }
    }
    std::vector<std::filesystem::path> left;
    for (const auto& entry : std::filesystem::directory_iterator(folder.Path())) left.push_back(entry.path());
    ASSERT_EQ(left.size(), 1u) << refusal;
    EXPECT_EQ(ReadBytes(left.front()), "new\r\n") << refusal;
    EXPECT_NE(message.find(AbsolutePathText(path)), std::string::npos) << message;
    // The name in the message, between the last pair of quotes, is the file that holds the bytes.
    const std::size_t end = message.rfind('"');
    const std::size_t start = end == std::string::npos ? end : message.rfind('"', end - 1);
    ASSERT_NE(start, std::string::npos) << message;
    const std::filesystem::path named = PathFromUtf8(message.substr(start + 1, end - start - 1));
    EXPECT_TRUE(std::filesystem::exists(named) && std::filesystem::equivalent(named, left.front()))
        << refusal << ": " << message;
  }
}
#endif  // __MINGW32__

}  // namespace
}  // namespace beditor
#endif  // _WIN32
