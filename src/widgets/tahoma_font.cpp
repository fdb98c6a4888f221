#include "widgets/tahoma_font.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <mutex>

#ifdef BEDITOR_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace beditor {
namespace {

// Held while LoadFontConfiguration reads the configuration.
std::mutex configurationReading;

}  // namespace

void LoadFontConfiguration() {
#ifdef BEDITOR_HAVE_FONTCONFIG
  const std::lock_guard reading(configurationReading);
  // The toolkit's own FcInit later finds the configuration loaded and returns at once.
  FcInit();
#endif
}

bool InstallTahoma() {
  { const std::lock_guard readingDone(configurationReading); }
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
