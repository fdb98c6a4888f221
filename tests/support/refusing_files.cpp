#include "support/refusing_files.h"

#ifndef _WIN32
#include <unistd.h>
#endif

#include <exception>
#include <stdexcept>

namespace beditor::test {
namespace {

using std::filesystem::perm_options;
using std::filesystem::perms;

// Gives a path its permissions back at the end of a scope.
class PermissionsKept {
 public:
  explicit PermissionsKept(std::filesystem::path path)
      : path_(std::move(path)), before_(std::filesystem::status(path_).permissions()) {}
  ~PermissionsKept() { std::filesystem::permissions(path_, before_); }
  PermissionsKept(const PermissionsKept&) = delete;
  PermissionsKept& operator=(const PermissionsKept&) = delete;

 private:
  std::filesystem::path path_;
  perms before_;
};

}  // namespace

void WithUnremovableFile(const std::filesystem::path& file, const std::function<void()>& action) {
#ifdef _WIN32
  const PermissionsKept kept(file);
  // Read-only: the system refuses to delete the file.
  std::filesystem::permissions(file, perms::owner_write | perms::group_write | perms::others_write,
                               perm_options::remove);
  action();
#else
  const PermissionsKept kept(file.parent_path());
  // Everyone may look in and read, nobody may change an entry.
  std::filesystem::permissions(file.parent_path(), static_cast<perms>(0555));
  RunAsOrdinaryUser(action);
#endif
}

void LetAnyoneWriteIn(const std::filesystem::path& folder) { std::filesystem::permissions(folder, perms::all); }

#ifndef _WIN32
void RunAsOrdinaryUser(const std::function<void()>& action) {
  class EffectivelyOrdinary {
   public:
    EffectivelyOrdinary() : dropped_(::geteuid() == 0) {
      constexpr uid_t kNobody = 65534;
      if (dropped_ && (::setegid(kNobody) != 0 || ::seteuid(kNobody) != 0))
        throw std::runtime_error("cannot take the unprivileged user's ids");
    }
    ~EffectivelyOrdinary() {
      if (dropped_ && (::seteuid(0) != 0 || ::setegid(0) != 0)) std::terminate();
    }
    EffectivelyOrdinary(const EffectivelyOrdinary&) = delete;
    EffectivelyOrdinary& operator=(const EffectivelyOrdinary&) = delete;

   private:
    bool dropped_;
  } user;
  action();
}

void WithUnlistableFolder(const std::filesystem::path& folder, const std::function<void()>& action) {
  const PermissionsKept kept(folder);
  std::filesystem::permissions(folder, static_cast<perms>(0311));
  RunAsOrdinaryUser(action);
}
#endif

}  // namespace beditor::test
