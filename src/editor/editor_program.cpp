#include "editor/editor_program.h"

#include "desktop/desktop_start.h"
#include "desktop/qt_dialogs.h"
#include "editor/editor_window.h"
#include "evaluation/evaluation_window.h"
#include "core/argument_splitter.h"
#include "core/file_access.h"
#include "widgets/tahoma_font.h"

namespace beditor {

int RunProgram(QApplication& application, int argc, char** argv) {
  const DesktopStart desktop(QStringLiteral("BEditor"), ProgramFolder(), ProgramFolder());
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
