// POSIX file services.
#include <dirent.h>
#include <fcntl.h>
#include <fnmatch.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string_view>

#include "core/file_access.h"
#include "core/file_errors.h"

namespace beditor {
namespace {

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  ~FileDescriptor() { Close(); }
  int Get() const { return fd_; }
  int Close() {
    const int result = fd_ >= 0 ? ::close(fd_) : 0;
    fd_ = -1;
    return result;
  }

 private:
  int fd_;
};

[[noreturn]] void ThrowOpenError(const std::filesystem::path& path, int error) {
  throw FileOpenError(AbsolutePathText(path), SystemErrorText(error));
}

[[noreturn]] void ThrowCreateError(const std::filesystem::path& path, int error) {
  throw FileCreateError(AbsolutePathText(path), SystemErrorText(error));
}

// The mode a newly created file would get, or the mode of the file being replaced.
mode_t ModeForReplacement(const struct stat* existing) {
  if (existing) return existing->st_mode & 07777;
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

}  // namespace

std::size_t ReadWholeFileInto(const std::filesystem::path& path,
                              const std::function<char*(std::size_t size)>& buffer) {
  FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (file.Get() < 0) ThrowOpenError(path, errno);
  struct stat info {};
  if (::fstat(file.Get(), &info) != 0) ThrowOpenError(path, errno);
  if (S_ISDIR(info.st_mode)) ThrowOpenError(path, EISDIR);

  const auto size = static_cast<std::size_t>(info.st_size);
  char* const bytes = buffer(size);
  std::size_t filled = 0;
  // The file may shrink or grow while it is read: take what is there, up to its size.
  while (filled < size) {
    const ssize_t got = ::read(file.Get(), bytes + filled, size - filled);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) ThrowOpenError(path, errno);
    if (got == 0) break;
    filled += static_cast<std::size_t>(got);
  }
  return filled;
}

void ReplaceFileContents(const std::filesystem::path& path, std::string_view bytes) {
  struct stat existing {};
  const bool exists = ::stat(path.c_str(), &existing) == 0;
  if (exists) {
    // The target must be a file that could be opened for writing, as a plain rewrite would.
    if (S_ISDIR(existing.st_mode)) ThrowCreateError(path, EISDIR);
    FileDescriptor probe(::open(path.c_str(), O_WRONLY | O_CLOEXEC | O_NONBLOCK));
    if (probe.Get() < 0) ThrowCreateError(path, errno);
    // A file nobody may write is read-only, even for an administrator who could override it.
    if ((existing.st_mode & 0222) == 0) ThrowCreateError(path, EACCES);
  }

  const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : ".";
  std::string temporary = (folder / ("." + path.filename().string() + ".XXXXXX")).string();
  FileDescriptor file(::mkostemp(temporary.data(), O_CLOEXEC));
  if (file.Get() < 0) ThrowCreateError(path, errno);

  struct TemporaryFile {
    const std::string& name;
    bool keep = false;
    ~TemporaryFile() {
      if (!keep) ::unlink(name.c_str());
    }
  } cleanup{temporary};

  if (::fchmod(file.Get(), ModeForReplacement(exists ? &existing : nullptr)) != 0)
    ThrowCreateError(path, errno);
  if (!WriteAll(file.Get(), bytes) || ::fsync(file.Get()) != 0 || file.Close() != 0)
    throw StreamWriteError();
  if (::rename(temporary.c_str(), path.c_str()) != 0) ThrowCreateError(path, errno);
  cleanup.keep = true;
}

std::filesystem::path ExecutablePath() {
  std::error_code error;
  auto path = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::filesystem::path() : path;
}

std::filesystem::path ProgramFolder() { return ExecutablePath().parent_path(); }

bool IsExistingFile(const std::filesystem::path& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

void ForEachInFolder(const std::filesystem::path& folder, const std::string& pattern,
                     const std::function<void(NativeName name)>& each) {
  std::unique_ptr<DIR, int (*)(DIR*)> listing(::opendir(folder.c_str()), ::closedir);
  if (!listing) return;
  // "*" and a plain ending, as "*.txt": the same as fnmatch's answer, without its
  // conversion of every name to wide characters, which costs more than listing the folder.
  const std::string_view ending = std::string_view(pattern).substr(pattern.empty() ? 0 : 1);
  const bool anyNameEndingIn = pattern.size() > 1 && pattern[0] == '*' &&
                               ending.find_first_of("*?[\\") == std::string_view::npos;
  while (const dirent* entry = ::readdir(listing.get())) {
    const std::string_view name = entry->d_name;
    if (name == "." || name == "..") continue;
    const bool matches = anyNameEndingIn ? name.ends_with(ending)
                                          : ::fnmatch(pattern.c_str(), entry->d_name, 0) == 0;
    if (matches) each(name);
  }
}

void RemoveFile(const std::filesystem::path& path) { ::unlink(path.c_str()); }

std::string SystemErrorText(int errorNumber) { return TrimSystemText(std::strerror(errorNumber)); }

}  // namespace beditor
