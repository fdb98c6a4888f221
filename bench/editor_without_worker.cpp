// The editor as it would start without its start-up worker: the same program, whose font
// configuration is read by the toolkit and whose background picture is decoded by the
// editor window, both on the main thread. The process start-up benchmark times it beside the
// editor to show what the worker gains, or costs, on the machine at hand.
#include <QApplication>

#include "desktop/leak_suppressions.h"
#include "editor/editor_program.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  return beditor::RunProgram(application, argc, argv);
}
