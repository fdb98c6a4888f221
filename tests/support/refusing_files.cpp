#include "support/refusing_files.h"

#ifndef _WIN32
#include <unistd.h>
#endif

#include <exception>
#include <stdexcept>

namespace beditor::test {
namespace {

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
