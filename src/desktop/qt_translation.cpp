#include "desktop/qt_translation.h"

#include <QCoreApplication>

namespace beditor {

QtTranslation::QtTranslation(const QLocale& locale, const QString& folder) {
  // load() looks for the locale's languages from the most to the least specific
  // (qtbase_es_ES.qm, qtbase_es.qm) and maps the file it finds; a missing file costs a few
  // failed look-ups and installs nothing.
  if (translator_.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"), folder))
    installed_ = QCoreApplication::installTranslator(&translator_);
}

}  // namespace beditor
