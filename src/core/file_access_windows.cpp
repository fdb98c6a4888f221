// Windows file services.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <algorithm>
#include <memory>
#include <string>
#include <string_view>

#include "core/file_access.h"
#include "core/file_errors.h"
#include "core/path_utf8.h"

namespace beditor {
namespace {

class Handle {
 public:
  explicit Handle(HANDLE handle) : handle_(handle) {}
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  ~Handle() { Close(); }
  HANDLE Get() const { return handle_; }
  bool Valid() const { return handle_ != INVALID_HANDLE_VALUE; }
  bool Close() {
    const bool ok = !Valid() || CloseHandle(handle_);
    handle_ = INVALID_HANDLE_VALUE;
    return ok;
  }

 private:
  HANDLE handle_;
};

[[noreturn]] void ThrowOpenError(const std::filesystem::path& path, DWORD error) {
  throw FileOpenError(AbsolutePathText(path), SystemErrorText(static_cast<int>(error)));
}

[[noreturn]] void ThrowCreateError(const std::filesystem::path& path, DWORD error) {
  throw FileCreateError(AbsolutePathText(path), SystemErrorText(static_cast<int>(error)));
}

bool WriteAll(HANDLE file, std::string_view bytes) {
  while (!bytes.empty()) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
    DWORD done = 0;
    if (!WriteFile(file, bytes.data(), chunk, &done, nullptr) || done != chunk) return false;
    bytes.remove_prefix(done);
  }
  return true;
}

// The file a save of `path` writes: where the path is a symbolic link or another reparse
// point, the file it leads to, so that the link stays and its file gets the new bytes, as
// in a text editor. A path that leads to no file is kept as it is.
std::filesystem::path FinalTarget(const std::filesystem::path& path) {
  Handle file(CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                          nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  if (!file.Valid()) return path;
  std::wstring name(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetFinalPathNameByHandleW(file.Get(), name.data(),
                                                   static_cast<DWORD>(name.size()),
                                                   FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    if (length == 0) return path;
    if (length < name.size()) {
      name.resize(length);
      return name;  // in the \\?\ form, which every file call below takes
    }
    name.resize(length);
  }
}

// A path as the user knows it: without the \\?\ prefix of a final path ("\\?\C:\..." is
// "C:\...", "\\?\UNC\server\..." is "\\server\...").
std::string ShownPathText(const std::filesystem::path& path) {
  const std::wstring& name = path.native();
  if (name.starts_with(L"\\\\?\\UNC\\")) return AbsolutePathText(L"\\\\" + name.substr(8));
  if (name.starts_with(L"\\\\?\\")) return AbsolutePathText(name.substr(4));
  return AbsolutePathText(path);
}

// The path made whole against the working folder, as the system does; one in the \\?\ form
// stays as it is.
std::wstring WholePath(const std::filesystem::path& name) {
  const DWORD size = GetFullPathNameW(name.c_str(), 0, nullptr, nullptr);
  if (size == 0) return name.native();
  std::wstring whole(size, L'\0');
  const DWORD length = GetFullPathNameW(name.c_str(), size, whole.data(), nullptr);
  if (length == 0 || length >= size) return name.native();
  whole.resize(length);
  return whole;
}

// The folder refuses new entries or replacing one, while the file itself may be written.
bool FolderRefuses(DWORD error) { return error == ERROR_ACCESS_DENIED; }

// Writes the bytes over the file itself, for a file that may be written in a folder that
// may not, where no temporary file can stand beside it. The former bytes are kept in memory
// and written back when the new ones cannot be written whole, so a failure still leaves
// the former file. A file that cannot be read back is not rewritten: the folder's refusal
// `folderError` is reported instead.
void RewriteInPlace(const std::filesystem::path& path, const std::filesystem::path& target,
                    std::string_view bytes, DWORD folderError) {
  Handle file(CreateFileW(target.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                          FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.Valid()) ThrowCreateError(path, folderError);
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.Get(), &size)) ThrowCreateError(path, folderError);
  std::string former(static_cast<std::size_t>(size.QuadPart), '\0');
  std::size_t filled = 0;
  while (filled < former.size()) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(former.size() - filled, 1u << 30));
    DWORD got = 0;
    if (!ReadFile(file.Get(), former.data() + filled, chunk, &got, nullptr) || got == 0)
      ThrowCreateError(path, folderError);
    filled += got;
  }

  const auto writeWhole = [&file](std::string_view contents) {
    LARGE_INTEGER start{};
    return SetFilePointerEx(file.Get(), start, nullptr, FILE_BEGIN) &&
           WriteAll(file.Get(), contents) && SetEndOfFile(file.Get()) &&
           FlushFileBuffers(file.Get());
  };
  if (!writeWhole(bytes)) {
    writeWhole(former);
    throw StreamWriteError();
  }
  if (!file.Close()) throw StreamWriteError();
}

}  // namespace

std::size_t ReadWholeFileInto(const std::filesystem::path& path,
                              const std::function<char*(std::size_t size)>& buffer, ReadSharing sharing) {
  // Deletion is shared either way: a save moves its new file over this one by name, and the
  // roster window reading a fighter must not refuse the editor's save of it meanwhile.
  const DWORD share = FILE_SHARE_DELETE | (sharing == ReadSharing::OthersMayReadAndWrite
                                               ? FILE_SHARE_READ | FILE_SHARE_WRITE
                                               : FILE_SHARE_READ);
  Handle file(CreateFileW(path.c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING,
                          FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.Valid()) ThrowOpenError(path, GetLastError());
  LARGE_INTEGER fileSize{};
  if (!GetFileSizeEx(file.Get(), &fileSize)) ThrowOpenError(path, GetLastError());
  const auto size = static_cast<std::size_t>(fileSize.QuadPart);
  char* const bytes = buffer(size);
  std::size_t filled = 0;
  while (filled < size) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(size - filled, 1u << 30));
    DWORD got = 0;
    if (!ReadFile(file.Get(), bytes + filled, chunk, &got, nullptr))
      ThrowOpenError(path, GetLastError());
    if (got == 0) break;
    filled += got;
  }
  return filled;
}

void ReplaceFileContents(const std::filesystem::path& path, std::string_view bytes) {
  // Messages name `path`, as the user chose it; `target` is the file that gets the bytes.
  const std::filesystem::path target = FinalTarget(path);
  const DWORD attributes = GetFileAttributesW(target.c_str());
  const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
  if (exists) {
    // A folder, a read-only file or a file in use refuse a plain rewrite: refuse it too. The
    // attribute is checked by name: Wine run by root would otherwise write through it. In use
    // is what stops the move over the file: someone writing it, or holding it without sharing
    // its deletion. A reader that shares deletion (as the program's own reads do) is no
    // obstacle, since it keeps reading the former file.
    if (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) ThrowCreateError(path, ERROR_ACCESS_DENIED);
    Handle probe(CreateFileW(target.c_str(), DELETE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                             FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!probe.Valid()) ThrowCreateError(path, GetLastError());
  }

  std::filesystem::path temporary = target;
  temporary += L".beditor-" + std::to_wstring(GetCurrentProcessId()) + L".tmp";
  Handle file(CreateFileW(temporary.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                          CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.Valid()) {
    const DWORD error = GetLastError();
    if (exists && FolderRefuses(error)) return RewriteInPlace(path, target, bytes, error);
    ThrowCreateError(path, error);
  }

  bool written = WriteAll(file.Get(), bytes) && FlushFileBuffers(file.Get());
  written = file.Close() && written;
  if (!written) {
    DeleteFileW(temporary.c_str());
    throw StreamWriteError();
  }
  const auto moveOver = [&] {
    return MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
  };
  // A file replaced keeps its attributes (hidden, for one) and its creation time; a move
  // would give it the temporary file's. Carrying them over is not worth a failed save. Whole
  // paths: Wine's ReplaceFileW refuses relative ones.
  bool moved = exists ? ReplaceFileW(WholePath(target).c_str(), WholePath(temporary).c_str(), nullptr,
                                     REPLACEFILE_IGNORE_MERGE_ERRORS | REPLACEFILE_IGNORE_ACL_ERRORS, nullptr,
                                     nullptr)
                      : moveOver();
  DWORD error = moved ? ERROR_SUCCESS : GetLastError();
  // Without a backup name, a replacement that could not be renamed has removed the target:
  // the temporary file then takes its place as a new file would.
  if (!moved && error == ERROR_UNABLE_TO_MOVE_REPLACEMENT) {
    moved = moveOver();
    if (!moved) error = GetLastError();
  }
  if (!moved) {
    // The temporary file is removed only while the former file is still there to keep. When
    // it is gone, the temporary file is the only copy of the fighter: the message names it,
    // so that the user can take it back.
    if (exists && GetFileAttributesW(target.c_str()) == INVALID_FILE_ATTRIBUTES)
      throw FileCreateError(AbsolutePathText(path), SystemErrorText(static_cast<int>(error)) +
                                                        ". The saved contents are in \"" +
                                                        ShownPathText(temporary) + "\".");
    DeleteFileW(temporary.c_str());
    if (exists && (FolderRefuses(error) || error == ERROR_UNABLE_TO_REMOVE_REPLACED))
      return RewriteInPlace(path, target, bytes, error);
    ThrowCreateError(path, error);
  }
}

std::filesystem::path ExecutablePath() {
  std::wstring buffer(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) return {};
    if (length < buffer.size()) {
      buffer.resize(length);
      return buffer;
    }
    buffer.resize(buffer.size() * 2);
  }
}

std::filesystem::path ProgramFolder() { return ExecutablePath().parent_path(); }

bool IsExistingFile(const std::filesystem::path& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void ForEachInFolder(const std::filesystem::path& folder, const std::string& pattern,
                     const std::function<void(NativeName name)>& each) {
  WIN32_FIND_DATAW found{};
  const std::filesystem::path query = folder / PathFromUtf8(pattern);
  const HANDLE search = FindFirstFileW(query.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  // Closed however `each` leaves.
  const std::unique_ptr<void, BOOL(WINAPI*)(HANDLE)> closer(search, FindClose);
  do {
    const NativeName name = found.cFileName;
    if (name != L"." && name != L"..") each(name);
  } while (FindNextFileW(search, &found));
}

void ForEachNameEndingIn(const std::filesystem::path& folder, std::string_view ending,
                         const std::function<void(NativeName name)>& each) {
  const auto fail = [&folder](DWORD error) {
    throw FolderListError(AbsolutePathText(folder), SystemErrorText(static_cast<int>(error)));
  };
  // Every entry, matched here by its long name: the system's own "*.txt" would match short
  // names as well ("Ana.txtold" through ANATXT~1.TXT).
  WIN32_FIND_DATAW found{};
  const std::filesystem::path query = folder / L"*";
  const HANDLE search = FindFirstFileExW(query.c_str(), FindExInfoBasic, &found, FindExSearchNameMatch, nullptr,
                                         FIND_FIRST_EX_LARGE_FETCH);
  if (search == INVALID_HANDLE_VALUE) {
    const DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND) return;  // a folder without entries, as a drive's root may be
    fail(error);
  }
  const std::unique_ptr<void, BOOL(WINAPI*)(HANDLE)> closer(search, FindClose);
  for (;;) {
    const NativeName name = found.cFileName;
    if (name != L"." && name != L".." && EndsInAnyCase(name, ending)) each(name);
    if (!FindNextFileW(search, &found)) {
      const DWORD error = GetLastError();
      if (error == ERROR_NO_MORE_FILES) return;
      fail(error);
    }
  }
}

void RemoveFile(const std::filesystem::path& path) { DeleteFileW(path.c_str()); }

void RemoveFileOrThrow(const std::filesystem::path& path) {
  if (DeleteFileW(path.c_str())) return;
  const DWORD error = GetLastError();
  if (error != ERROR_FILE_NOT_FOUND)
    throw FileRemoveError(AbsolutePathText(path), SystemErrorText(static_cast<int>(error)));
}

std::string SystemErrorText(int errorNumber) {
  wchar_t* text = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, static_cast<DWORD>(errorNumber), 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::string utf8;
  if (length != 0 && text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(length), nullptr, 0, nullptr, nullptr);
    utf8.resize(static_cast<std::size_t>(size));
    WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(length), utf8.data(), size, nullptr, nullptr);
  }
  LocalFree(text);
  return TrimSystemText(utf8);
}

}  // namespace beditor
