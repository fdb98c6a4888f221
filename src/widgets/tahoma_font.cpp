#include "widgets/tahoma_font.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFontDatabase>

namespace beditor {

bool InstallTahoma() {
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
