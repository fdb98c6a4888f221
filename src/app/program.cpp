#include "app/program.h"

#include <csignal>

#include "app/program_icon.h"
#include "app/qt_dialogs.h"
#include "app/qt_translation.h"
#include "beditor_version.h"
#include "editor/editor_window.h"
#include "evaluation/evaluation_window.h"
#include "core/argument_splitter.h"
#include "core/file_access.h"
#include "widgets/tahoma_font.h"

namespace beditor {

int RunProgram(QApplication& application, int argc, char** argv) {
#ifdef SIGXFSZ
  // A file-size limit must surface as a failed write, not end the program.
  std::signal(SIGXFSZ, SIG_IGN);
#endif
  QApplication::setApplicationName(QStringLiteral("BEditor"));
  QApplication::setApplicationVersion(QStringLiteral(BEDITOR_VERSION));
  // Before any window or box exists, so that every dialog of Qt's speaks the user's language.
  const QtTranslation qtTexts(QLocale::system());
  DeferredProgramIcon icon(ProgramFolder());
  InstallTahoma();

  QtDialogs dialogs;
  EditorWindow editor(ProgramFolder(), ProgramArguments::FromProcess(argc, argv), dialogs);
  EvaluationWindow evaluation(editor.Abilities(), editor.CaptionLines(), dialogs, &editor);
  editor.SetEvaluationWindow(&evaluation);
  editor.ShowFirstTime();
  application.exec();
  return 0;
}

}  // namespace beditor
