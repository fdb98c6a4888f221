#pragma once
// Qt's own texts in the user's language: the labels and buttons of the file dialogs and the
// standard buttons of message boxes ("Guardar", "Cancelar", "Aceptar" in Spanish). The
// program's own texts are not Qt's to translate: they come from the caption table or stay as
// they are.
#include <QLibraryInfo>
#include <QLocale>
#include <QString>
#include <QTranslator>

namespace beditor {

class QtTranslation {
 public:
  // Installs Qt's translation for the locale's languages (qtbase_<language>.qm in `folder`)
  // when the system has one; without one, Qt's texts stay English. It is removed again when
  // the object goes.
  explicit QtTranslation(const QLocale& locale,
                         const QString& folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  QtTranslation(const QtTranslation&) = delete;
  QtTranslation& operator=(const QtTranslation&) = delete;

  bool IsInstalled() const { return installed_; }

 private:
  QTranslator translator_;
  bool installed_ = false;
};

}  // namespace beditor
