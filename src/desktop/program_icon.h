#pragma once
// The program's icon: the pictures the build draws into the program folder's icons/ folder,
// beditor_<size>.png, for both windows and every box.
#include <QIcon>
#include <QObject>
#include <filesystem>

namespace beditor {

// The sizes the build draws.
inline constexpr int kProgramIconSizes[] = {16, 32, 48, 256};

// The icon made of the pictures that are there; with none, a null icon, and the windows keep
// the system's.
QIcon ProgramIcon(const std::filesystem::path& programFolder);

// Makes the program's icon the application's, and so that of every window without one of its
// own, right after the first window has been painted. Reading the pictures (and Qt's image
// reader setting itself up) then costs the start-up nothing; a window shown before that
// receives the icon as soon as it is set.
class DeferredProgramIcon : public QObject {
 public:
  explicit DeferredProgramIcon(std::filesystem::path programFolder);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::filesystem::path folder_;
};

}  // namespace beditor
