#include "desktop/desktop_start.h"

#include <QApplication>

#include "beditor_version.h"

namespace beditor {
namespace {

// Runs ahead of the members: the translation is looked up under the application's name.
QLocale NamedApplicationLocale(const QString& applicationName) {
  QApplication::setApplicationName(applicationName);
  QApplication::setApplicationVersion(QStringLiteral(BEDITOR_VERSION));
  return QLocale::system();
}

}  // namespace

DesktopStart::DesktopStart(const QString& applicationName, const std::filesystem::path& programFolder,
                           const std::filesystem::path& languageFolder)
    : qtTexts_(NamedApplicationLocale(applicationName)), ownTexts_(languageFolder), icon_(programFolder) {}

}  // namespace beditor
