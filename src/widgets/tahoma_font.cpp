#include "widgets/tahoma_font.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <future>
#include <memory>
#include <mutex>

#ifdef BEDITOR_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace beditor {
namespace {

std::mutex readingLock;
// Ready once the reading handed out last has run, or was dropped unrun (its task, destroyed,
// leaves a broken promise, which ends a wait as well). Invalid while none was handed out.
std::shared_future<void> configurationRead;

}  // namespace

std::function<void()> FontConfigurationReading() {
  auto reading = std::make_shared<std::packaged_task<void()>>([] {
#ifdef BEDITOR_HAVE_FONTCONFIG
    // The toolkit's own FcInit later finds the configuration loaded and returns at once.
    FcInit();
#endif
  });
  {
    const std::lock_guard lock(readingLock);
    configurationRead = reading->get_future().share();
  }
  return [reading] { (*reading)(); };
}

bool InstallTahoma() {
  std::shared_future<void> read;
  {
    const std::lock_guard lock(readingLock);
    read = configurationRead;
  }
  if (read.valid()) read.wait();
  if (QFontDatabase::families().contains(QStringLiteral("Tahoma"))) return true;
  const QStringList folders = {
      QCoreApplication::applicationDirPath(),  // a copy shipped beside the program
      QStringLiteral("/usr/share/wine/fonts"),
      QStringLiteral("/usr/share/fonts/truetype/wine"),
  };
  bool installed = false;
  for (const QString& folder : folders) {
    for (const char* file : {"tahoma.ttf", "tahomabd.ttf"}) {
      const QString path = QDir(folder).filePath(QString::fromLatin1(file));
      if (QFile::exists(path) && QFontDatabase::addApplicationFont(path) >= 0) installed = true;
    }
    if (installed) break;
  }
  return QFontDatabase::families().contains(QStringLiteral("Tahoma"));
}

QFont TahomaFont(int pixels, bool bold) {
  QFont font(QStringLiteral("Tahoma"));
  font.setPixelSize(pixels);
  font.setBold(bold);
  return font;
}

}  // namespace beditor
