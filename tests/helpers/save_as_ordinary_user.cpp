// Saves bytes over a file with ReplaceFileContents as an ordinary user, in a process of its
// own: a test running as root, which may write anywhere, starts it to see what a user meets.
// A fresh process, not a fork of the test, so no lock another test thread held comes along.
//   save_as_ordinary_user <file-size limit in bytes, 0 for none> <path> <bytes>
// Exit status: 0 saved, 1 FileCreateError, 2 StreamWriteError, 3 another error, 4 unusable
// arguments or the user could not be taken.
#include <grp.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <exception>

#include "core/file_access.h"
#include "core/file_errors.h"

int main(int argc, char** argv) {
  if (argc != 4) return 4;
  // Root becomes the system's unprivileged user; anyone else is an ordinary user already.
  constexpr uid_t kNobody = 65534;
  if (geteuid() == 0 && (setgroups(0, nullptr) != 0 || setgid(kNobody) != 0 || setuid(kNobody) != 0))
    return 4;
  if (const long long limit = std::atoll(argv[1]); limit > 0) {
    // Writes past the limit fail with EFBIG instead of ending the process.
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit small{static_cast<rlim_t>(limit), static_cast<rlim_t>(limit)};
    if (setrlimit(RLIMIT_FSIZE, &small) != 0) return 4;
  }
  try {
    beditor::ReplaceFileContents(argv[2], argv[3]);
    return 0;
  } catch (const beditor::FileCreateError& error) {
    std::fprintf(stderr, "%s\n", error.what());
    return 1;
  } catch (const beditor::StreamWriteError& error) {
    std::fprintf(stderr, "%s\n", error.what());
    return 2;
  } catch (const std::exception& error) {
    std::fprintf(stderr, "%s\n", error.what());
    return 3;
  }
}
