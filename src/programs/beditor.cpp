#include <QApplication>

#include "editor/editor_program.h"
#include "editor/start_up.h"
#include "core/file_access.h"
#include "core/process_start.h"
#include "desktop/leak_suppressions.h"

int main(int argc, char** argv) {
  beditor::StartProcess(argc, argv);
  // The worker of app/start_up.h first, so that it reads the font configuration and decodes
  // the background picture while the toolkit connects to the display.
  beditor::StartWorkAheadOfToolkit(beditor::ProgramFolder());
  QApplication application(argc, argv);
  return beditor::RunProgram(application, argc, argv);
}
