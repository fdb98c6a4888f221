// Windows file services.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <algorithm>
#include <memory>
#include <string>

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

}  // namespace

std::size_t ReadWholeFileInto(const std::filesystem::path& path,
                              const std::function<char*(std::size_t size)>& buffer) {
  Handle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
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
  const DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES) {
    // A folder, a read-only file or a file in use refuse a plain rewrite: refuse it too.
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) ThrowCreateError(path, ERROR_ACCESS_DENIED);
    // Read-only even for an administrator (or Wine's root) whom the probe below would let by.
    if (attributes & FILE_ATTRIBUTE_READONLY) ThrowCreateError(path, ERROR_ACCESS_DENIED);
    Handle probe(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                             FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!probe.Valid()) ThrowCreateError(path, GetLastError());
  }

  std::filesystem::path temporary = path;
  temporary += L".beditor-" + std::to_wstring(GetCurrentProcessId()) + L".tmp";
  Handle file(CreateFileW(temporary.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                          CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.Valid()) ThrowCreateError(path, GetLastError());

  bool written = true;
  std::string_view rest = bytes;
  while (written && !rest.empty()) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(rest.size(), 1u << 30));
    DWORD done = 0;
    written = WriteFile(file.Get(), rest.data(), chunk, &done, nullptr) && done == chunk;
    rest.remove_prefix(done);
  }
  written = written && FlushFileBuffers(file.Get());
  written = file.Close() && written;
  if (!written) {
    DeleteFileW(temporary.c_str());
    throw StreamWriteError();
  }
  if (!MoveFileExW(temporary.c_str(), path.c_str(),
                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    const DWORD error = GetLastError();
    DeleteFileW(temporary.c_str());
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

void RemoveFile(const std::filesystem::path& path) { DeleteFileW(path.c_str()); }

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
