// POSIX: files are opened relative to the opened folder, so the system walks only the part
// of the path below it.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "core/file_access.h"
#include "core/file_errors.h"
#include "core/file_names.h"
#include "core/folder_reader.h"
#include "core/path_utf8.h"

namespace beditor {

FolderReader::FolderReader(std::filesystem::path folder) : folder_(std::move(folder)) {
  descriptor_ = ::open(folder_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (descriptor_ < 0) openError_ = errno;
}

FolderReader::~FolderReader() {
  if (descriptor_ >= 0) ::close(descriptor_);
}

std::string_view FolderReader::Read(std::string_view relative) {
  const auto fail = [&](int error) -> std::string_view {
    throw FileOpenError(AbsolutePathText(folder_ / PathFromUtf8(relative)), SystemErrorText(error));
  };
  if (descriptor_ < 0) return fail(openError_);
  // The system would take the name only up to a NUL, and so open another file.
  if (relative.find('\0') != std::string_view::npos) return fail(EINVAL);
  // NUL-terminated in the buffer's first bytes, which the file's bytes then replace.
  char* name = Room(relative.size() + 1);
  relative.copy(name, relative.size());
  name[relative.size()] = '\0';
  // Not waiting for a writer where the name is a pipe's.
  constexpr int kFlags = O_RDONLY | O_CLOEXEC | O_NONBLOCK;
  int file = ::openat(descriptor_, name, kFlags);
  if (file < 0 && errno == ENOENT) {
    // A name read as Windows-1252 is found under its own bytes: only once the text's fail.
    const std::filesystem::path found = RelativePathFromUtf8(folder_, relative);
    if (found.native() != relative)
      file = ::openat(descriptor_, found.c_str(), kFlags);
    else
      errno = ENOENT;  // the look-up's own calls may have set it
  }
  if (file < 0) return fail(errno);

  // Read until the system says the file ends: no size asked first, which costs as much as a
  // read. A folder refuses the read itself (EISDIR).
  std::size_t filled = 0;
  for (;;) {
    if (capacity_ - filled < 4096) {
      // Only a file larger than the buffer is asked what it is: a device that never ends
      // (a name leading to /dev/zero) must not fill the memory. Refused as the editor's
      // read refuses it.
      struct stat info {};
      if (filled > 0 && (::fstat(file, &info) != 0 || !S_ISREG(info.st_mode))) {
        ::close(file);
        return fail(EFBIG);
      }
      Room(capacity_ + 4096);
    }
    const ssize_t got = ::read(file, buffer_.get() + filled, capacity_ - filled);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) {
      const int error = errno;
      ::close(file);
      return fail(error);
    }
    if (got == 0) break;
    filled += static_cast<std::size_t>(got);
  }
  ::close(file);
  return {buffer_.get(), filled};
}

}  // namespace beditor
