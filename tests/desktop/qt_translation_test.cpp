// Qt's dialogs in the user's language: the editor started as the program starts it, with the
// Qt dialogs it really shows, under a Spanish and an English locale and without Qt's
// translation files.
#include "desktop/qt_translation.h"

#include <gtest/gtest.h>

#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <algorithm>
#include <filesystem>
#include <optional>

#include "desktop/plain_message_dialog.h"
#include "desktop/qt_dialogs.h"
#include "editor/editor_window.h"
#include "qt_adapters/path_text.h"
#include "support/qt_printers.h"
#include "support/temp_folder.h"
#include "support/when_shown.h"
#include "widgets/gradient_button.h"

namespace beditor {
namespace {

using test::TempFolder;
using test::WhenShown;

// What a button or label shows, without the access-key marks.
QString Shown(QString text) { return text.remove(u'&'); }

QStringList SortedButtonTexts(const QWidget* dialog) {
  QStringList texts;
  for (const QPushButton* button : dialog->findChildren<QPushButton*>())
    if (button->isVisible()) texts << Shown(button->text());
  texts.sort();
  return texts;
}

struct SeenDialogs {
  QStringList errorButtons;
  QString errorTitle;
  QString errorText;
  QMessageBox::Icon errorIcon = QMessageBox::NoIcon;
  QString saveTitle;
  QStringList saveButtons;
  QStringList saveLabels;  // look in, file name, files of type
  QStringList plainButtons;
};

// Starts the editor on a sample fighter with the program's Qt dialogs and reads the boxes and
// dialogs it shows: the error box of a save that cannot write its team file, the save dialog,
// and the program's own plain message.
SeenDialogs ShowTheEditorsDialogs() {
  SeenDialogs shown;
  TempFolder folder = TempFolder::WithProgramFiles();
  QtDialogs dialogs;
  EditorWindow editor(folder.Path(),
                ProgramArguments(folder / "beditor", {"beditor", "LW\\Ignacio", "Brevanza.txt"}),
                dialogs);
  editor.ShowFirstTime();
  auto* save = editor.findChild<GradientButton*>(QStringLiteral("CmdButton1"));
  if (!save) {
    ADD_FAILURE() << "no save button";
    return shown;
  }

  // Without the Team folder the save stops before its dialog, in the standard error box.
  std::filesystem::rename(folder / "Team", folder / "Team.away");
  WhenShown<QMessageBox>([&](QMessageBox* box) {
    shown.errorButtons = SortedButtonTexts(box);
    shown.errorTitle = box->windowTitle();
    shown.errorText = box->text();
    shown.errorIcon = box->icon();
    box->accept();
  });
  save->Click();
  std::filesystem::rename(folder / "Team.away", folder / "Team");

  WhenShown<QFileDialog>([&](QFileDialog* dialog) {
    shown.saveTitle = dialog->windowTitle();
    shown.saveButtons = SortedButtonTexts(dialog);
    for (const char* name : {"lookInLabel", "fileNameLabel", "fileTypeLabel"}) {
      const auto* label = dialog->findChild<QLabel*>(QString::fromLatin1(name));
      shown.saveLabels << (label ? Shown(label->text()) : QStringLiteral("(none)"));
    }
    dialog->reject();
  });
  save->Click();

  WhenShown<PlainMessageDialog>([&](PlainMessageDialog* dialog) {
    shown.plainButtons = SortedButtonTexts(dialog);
    dialog->accept();
  });
  dialogs.ShowPlainMessage(QStringLiteral("El luchador no se ha cargado correctamente"));
  return shown;
}

TEST(QtTranslation, QtsDialogsSpeakTheLocalesLanguageAndTheProgramsOwnTextsStay) {
  const QLocale spanish(QLocale::Spanish, QLocale::Spain);
  const QLocale english(QLocale::English, QLocale::UnitedStates);
  const QStringList englishLabels{"Look in:", "File name:", "Files of type:"};
  TempFolder noTranslations;
  struct Case {
    const char* name;
    QLocale locale;
    QString folder;
    std::optional<bool> installed;  // none: either is right
    QStringList errorButtons;
    QStringList saveButtons;
    QStringList saveLabels;
  };
  const Case cases[] = {
      {"Spanish", spanish, QLibraryInfo::path(QLibraryInfo::TranslationsPath), true, {"Aceptar"},
       {"Cancelar", "Guardar"}, {"Ver en:", "Nombre de fichero:", "Ficheros de tipo:"}},
      {"English", english, QLibraryInfo::path(QLibraryInfo::TranslationsPath), std::nullopt, {"OK"},
       {"Cancel", "Save"}, englishLabels},
      // No error and no box: Qt's texts simply stay English.
      {"Spanish without translation files", spanish, ToQString(noTranslations.Path()), false, {"OK"},
       {"Cancel", "Save"}, englishLabels},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const QtTranslation translation(c.locale, c.folder);
    if (c.installed) {
      EXPECT_EQ(translation.IsInstalled(), *c.installed);
    }

    const SeenDialogs shown = ShowTheEditorsDialogs();
    EXPECT_EQ(shown.errorButtons, c.errorButtons);
    EXPECT_EQ(shown.saveButtons, c.saveButtons);
    EXPECT_EQ(shown.saveLabels, c.saveLabels);
    // The program's own texts whatever the language: the box's title, message and icon, the
    // dialog's title, the plain message's button.
    EXPECT_EQ(shown.errorTitle, "BEditor");
    EXPECT_TRUE(shown.errorText.startsWith("Cannot create file \"")) << shown.errorText.toStdString();
    EXPECT_EQ(shown.errorIcon, QMessageBox::Critical);
    EXPECT_EQ(shown.saveTitle, "Guardar luchador");
    EXPECT_EQ(shown.plainButtons, QStringList{"OK"});
  }
}

}  // namespace
}  // namespace beditor
