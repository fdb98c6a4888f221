#include "desktop/program_icon.h"

#include <QApplication>
#include <QEvent>
#include <QFileInfo>
#include <QTimer>

#include "qt_adapters/path_text.h"

namespace beditor {

QIcon ProgramIcon(const std::filesystem::path& programFolder) {
  QIcon icon;
  for (int size : kProgramIconSizes) {
    const QString picture =
        ToQString(programFolder / "icons" / ("beditor_" + std::to_string(size) + ".png"));
    // A missing picture is left out (the other sizes stand in for it); one added anyway
    // would leave a non-null icon without a picture when all are missing.
    if (QFileInfo::exists(picture)) icon.addFile(picture, QSize(size, size));
  }
  return icon;
}

DeferredProgramIcon::DeferredProgramIcon(std::filesystem::path programFolder)
    : folder_(std::move(programFolder)) {
  QCoreApplication::instance()->installEventFilter(this);
}

bool DeferredProgramIcon::eventFilter(QObject*, QEvent* event) {
  if (event->type() == QEvent::Paint) {
    QCoreApplication::instance()->removeEventFilter(this);
    // Queued, so the window's first picture reaches the screen before the icon is read.
    QTimer::singleShot(0, this, [this] { QApplication::setWindowIcon(ProgramIcon(folder_)); });
  }
  return false;
}

}  // namespace beditor
