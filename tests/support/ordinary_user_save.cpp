#include "support/ordinary_user_save.h"

#ifndef _WIN32
#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>

extern char** environ;
#endif

#include <string>

namespace beditor::test {

SaveOutcome SaveAsOrdinaryUser(const std::filesystem::path& path, const std::string& bytes,
                               long long fileSizeLimit) {
#ifdef _WIN32
  (void)path, (void)bytes, (void)fileSizeLimit;
  return SaveOutcome::NotRun;
#else
  std::string helper = BEDITOR_SAVE_AS_ORDINARY_USER;
  std::string limit = std::to_string(fileSizeLimit);
  std::string target = path.string();
  std::string contents = bytes;
  char* const arguments[] = {helper.data(), limit.data(), target.data(), contents.data(), nullptr};
  pid_t child = 0;
  if (posix_spawn(&child, helper.c_str(), nullptr, nullptr, arguments, environ) != 0)
    return SaveOutcome::NotRun;
  int status = 0;
  while (waitpid(child, &status, 0) < 0)
    if (errno != EINTR) return SaveOutcome::NotRun;
  if (!WIFEXITED(status)) return SaveOutcome::NotRun;
  switch (WEXITSTATUS(status)) {
    case 0: return SaveOutcome::Saved;
    case 1: return SaveOutcome::CreateError;
    case 2: return SaveOutcome::WriteError;
    case 3: return SaveOutcome::OtherError;
    default: return SaveOutcome::NotRun;
  }
#endif
}

void PrintTo(SaveOutcome outcome, std::ostream* out) {
  const char* const names[] = {"Saved", "CreateError", "WriteError", "OtherError", "NotRun"};
  *out << names[static_cast<int>(outcome)];
}

void OpenTheWayTo(const std::filesystem::path& path) {
  using std::filesystem::perms;
  for (auto folder = path.parent_path(); folder.has_relative_path(); folder = folder.parent_path())
    if ((std::filesystem::status(folder).permissions() & perms::others_exec) == perms::none)
      std::filesystem::permissions(folder, perms::others_exec, std::filesystem::perm_options::add);
}

}  // namespace beditor::test
