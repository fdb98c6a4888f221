#include "desktop/program_translation.h"

#include <QCoreApplication>

#include "core/program_folder_lists.h"
#include "core/windows_1252.h"
#include "desktop/program_translation_data.h"

namespace beditor {

ProgramTranslation::ProgramTranslation(const std::filesystem::path& programFolder) {
  const auto code = FolderLanguageCode(programFolder);
  if (!code) return;
  const QString language = QString::fromStdString(Windows1252ToUtf8(*code)).trimmed().toLower();
  for (const EmbeddedTranslation& translation : EmbeddedTranslations()) {
    if (language != QLatin1String(translation.language)) continue;
    installed_ = translator_.load(translation.data, translation.size) &&
                 QCoreApplication::installTranslator(&translator_);
    return;
  }
}

ProgramTranslation::~ProgramTranslation() {
  if (installed_) QCoreApplication::removeTranslator(&translator_);
}

QStringList ProgramTranslation::Languages() {
  QStringList languages;
  for (const EmbeddedTranslation& translation : EmbeddedTranslations())
    languages << QString::fromLatin1(translation.language);
  return languages;
}

}  // namespace beditor
