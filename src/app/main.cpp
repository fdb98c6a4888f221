#include <QApplication>

#include "app/leak_suppressions.h"
#include "app/program.h"
#include "editor/background_picture.h"
#include "core/file_access.h"
#include "widgets/tahoma_font.h"

int main(int argc, char** argv) {
  // Two slow steps of the start need neither the toolkit nor a window: reading the font
  // configuration, which the toolkit would do on its first text, and decoding the background
  // picture. One worker thread does both, in that order, while the toolkit connects to the
  // display; the font set-up and the editor window take their results.
  beditor::PrefetchBackground(beditor::ProgramFolder(), beditor::FontConfigurationReading());
  QApplication application(argc, argv);
  return beditor::RunProgram(application, argc, argv);
}
