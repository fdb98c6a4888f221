#include <QApplication>

#include "app/leak_suppressions.h"
#include "app/program.h"
#include "editor/background_picture.h"

int main(int argc, char** argv) {
  // Decoding the background picture needs neither the toolkit nor a window: a worker thread
  // does it while the toolkit connects to the display, and the editor window takes the result.
  beditor::PrefetchBackground();
  QApplication application(argc, argv);
  return beditor::RunProgram(application, argc, argv);
}
