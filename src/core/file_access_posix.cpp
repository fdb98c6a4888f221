// POSIX file services.
#include <dirent.h>
#include <fcntl.h>
#include <fnmatch.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <optional>
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

// The file-creation mask as the program started, read before main() starts any thread:
// the only way to read it elsewhere is to set it, which races every thread creating a file.
const mode_t startUpUmask = [] {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return mask;
}();

// The "Umask:" line of /proc/self/status (Linux 4.7 and later), which reads the mask
// without touching it.
std::optional<mode_t> UmaskFromProcStatus() {
  std::ifstream status("/proc/self/status");
  std::string line;
  constexpr std::string_view key = "Umask:";
  while (std::getline(status, line)) {
    if (!line.starts_with(key)) continue;
    const char* first = line.data() + key.size();
    const char* const last = line.data() + line.size();
    while (first != last && (*first == ' ' || *first == '\t')) ++first;
    unsigned mask = 0;
    if (std::from_chars(first, last, mask, 8).ec != std::errc()) return std::nullopt;
    return static_cast<mode_t>(mask);
  }
  return std::nullopt;
}

// The mode a newly created file would get, or the mode of the file being replaced.
mode_t ModeForReplacement(const struct stat* existing) {
  if (existing) return existing->st_mode & 07777;
  return 0666 & ~UmaskFromProcStatus().value_or(startUpUmask);
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

// The file a save of `path` writes: where the path ends in a symbolic link, the file the
// link leads to, so that the link stays and its file gets the new bytes, as in a text
// editor. A link that leads nowhere gives the path it names, which the save creates.
std::filesystem::path FinalTarget(const std::filesystem::path& path) {
  std::filesystem::path target = path;
  for (int hops = 0;; ++hops) {
    struct stat info {};
    if (::lstat(target.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return target;
    if (hops == 40) ThrowCreateError(path, ELOOP);  // the system's own limit for a path
    std::error_code error;
    const std::filesystem::path next = std::filesystem::read_symlink(target, error);
    if (error) ThrowCreateError(path, error.value());
    target = next.is_absolute() ? next : target.parent_path() / next;
  }
}

// A rename is an entry of the folder: until the folder is flushed as well, a power failure
// may undo a save that was reported as done. A folder that may be written but not read
// cannot be opened to be flushed, and a file system that cannot flush a folder says so
// (EINVAL): neither is a failure of the save. Any other failure is reported.
void FlushFolder(const std::filesystem::path& path, const std::filesystem::path& folder) {
  FileDescriptor entries(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (entries.Get() < 0) {
    if (errno == EACCES) return;
    ThrowCreateError(path, errno);
  }
  if (::fsync(entries.Get()) != 0 && errno != EINVAL) ThrowCreateError(path, errno);
}

// The folder refuses new entries or replacing one, while the file itself may be written.
bool FolderRefuses(int error) { return error == EACCES || error == EPERM; }

// Writes the bytes over the file itself, for a file that may be written in a folder that
// may not, where no temporary file can stand beside it. The former bytes are kept in memory
// and written back when the new ones cannot be written whole, so a failure still leaves
// the former file. A file that cannot be read back is not rewritten: the folder's refusal
// `folderError` is reported instead.
void RewriteInPlace(const std::filesystem::path& path, const std::filesystem::path& target,
                    std::string_view bytes, int folderError) {
  FileDescriptor file(::open(target.c_str(), O_RDWR | O_CLOEXEC | O_NONBLOCK));
  if (file.Get() < 0) ThrowCreateError(path, folderError);
  struct stat info {};
  if (::fstat(file.Get(), &info) != 0 || !S_ISREG(info.st_mode)) ThrowCreateError(path, folderError);
  std::string former(static_cast<std::size_t>(info.st_size), '\0');
  std::size_t filled = 0;
  while (filled < former.size()) {
    const ssize_t got = ::pread(file.Get(), former.data() + filled, former.size() - filled,
                                static_cast<off_t>(filled));
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) ThrowCreateError(path, got < 0 ? errno : EIO);
    filled += static_cast<std::size_t>(got);
  }

  const auto writeWhole = [&file](std::string_view contents) {
    return ::lseek(file.Get(), 0, SEEK_SET) == 0 && WriteAll(file.Get(), contents) &&
           ::ftruncate(file.Get(), static_cast<off_t>(contents.size())) == 0 &&
           ::fsync(file.Get()) == 0;
  };
  if (!writeWhole(bytes)) {
    writeWhole(former);
    throw StreamWriteError();
  }
  if (file.Close() != 0) throw StreamWriteError();
}

// A pipe or a device has no size to read up to: what it holds is read until it ends, as the
// folder reader does, within one buffer, so that a device that never ends (/dev/zero) cannot
// fill the memory. A writer that has not finished is not waited for either: the system's
// message for the read that would wait is reported.
std::size_t ReadWhatIsThere(const std::filesystem::path& path, int file,
                            const std::function<char*(std::size_t size)>& buffer) {
  constexpr std::size_t kFirstBuffer = 64 * 1024;
  const auto room = std::make_unique_for_overwrite<char[]>(kFirstBuffer + 1);
  std::size_t filled = 0;
  while (filled <= kFirstBuffer) {
    const ssize_t got = ::read(file, room.get() + filled, kFirstBuffer + 1 - filled);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) ThrowOpenError(path, errno);
    if (got == 0) break;
    filled += static_cast<std::size_t>(got);
  }
  if (filled > kFirstBuffer) ThrowOpenError(path, EFBIG);
  char* const bytes = buffer(filled);
  if (filled > 0) std::memcpy(bytes, room.get(), filled);
  return filled;
}

}  // namespace

std::size_t ReadWholeFileInto(const std::filesystem::path& path,
                              const std::function<char*(std::size_t size)>& buffer, ReadSharing) {
  // Not waiting for a writer where the path names a pipe: the program would stop answering.
  FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  if (file.Get() < 0) ThrowOpenError(path, errno);
  struct stat info {};
  if (::fstat(file.Get(), &info) != 0) ThrowOpenError(path, errno);
  if (S_ISDIR(info.st_mode)) ThrowOpenError(path, EISDIR);
  if (!S_ISREG(info.st_mode)) return ReadWhatIsThere(path, file.Get(), buffer);

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
  // Messages name `path`, as the user chose it; `target` is the file that gets the bytes.
  const std::filesystem::path target = FinalTarget(path);
  struct stat existing {};
  const bool exists = ::stat(target.c_str(), &existing) == 0;
  if (exists) {
    // The target must be a file that could be opened for writing, as a plain rewrite would.
    if (S_ISDIR(existing.st_mode)) ThrowCreateError(path, EISDIR);
    FileDescriptor probe(::open(target.c_str(), O_WRONLY | O_CLOEXEC | O_NONBLOCK));
    if (probe.Get() < 0) ThrowCreateError(path, errno);
    // A file nobody may write is read-only, even for an administrator who could override it.
    if ((existing.st_mode & 0222) == 0) ThrowCreateError(path, EACCES);
  }

  const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
  // Built by appending: GCC 12 warns falsely (-Wrestrict) about "." + string when inlined.
  std::string hiddenName(".");
  hiddenName.append(target.filename().string()).append(".XXXXXX");
  std::string temporary = (folder / hiddenName).string();
  FileDescriptor file(::mkostemp(temporary.data(), O_CLOEXEC));
  if (file.Get() < 0) {
    const int error = errno;
    if (exists && FolderRefuses(error)) return RewriteInPlace(path, target, bytes, error);
    ThrowCreateError(path, error);
  }

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
  if (::rename(temporary.c_str(), target.c_str()) != 0) {
    // A folder with the sticky bit lets anyone add a file but replace only their own.
    const int error = errno;
    if (exists && FolderRefuses(error)) return RewriteInPlace(path, target, bytes, error);
    ThrowCreateError(path, error);
  }
  cleanup.keep = true;
  FlushFolder(path, folder);
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

void ForEachNameEndingIn(const std::filesystem::path& folder, std::string_view ending,
                         const std::function<void(NativeName name)>& each) {
  const auto fail = [&folder](int error) { throw FolderListError(AbsolutePathText(folder), SystemErrorText(error)); };
  std::unique_ptr<DIR, int (*)(DIR*)> listing(::opendir(folder.c_str()), ::closedir);
  if (!listing) fail(errno);
  for (;;) {
    errno = 0;  // the only way to tell the end of the listing from a failure
    const dirent* entry = ::readdir(listing.get());
    if (!entry) {
      if (errno != 0) fail(errno);
      return;
    }
    const std::string_view name = entry->d_name;
    if (name != "." && name != ".." && EndsInAnyCase(name, ending)) each(name);
  }
}

void RemoveFile(const std::filesystem::path& path) { ::unlink(path.c_str()); }

void RemoveFileOrThrow(const std::filesystem::path& path) {
  if (::unlink(path.c_str()) == 0) return;
  const int error = errno;
  if (error != ENOENT) throw FileRemoveError(AbsolutePathText(path), SystemErrorText(error));
}

std::string SystemErrorText(int errorNumber) { return TrimSystemText(std::strerror(errorNumber)); }

}  // namespace beditor
