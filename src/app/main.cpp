#include <QApplication>

#include "app/leak_suppressions.h"
#include "app/program.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  return beditor::RunProgram(application, argc, argv);
}
