#pragma once
// The program's single run: title, the two windows in their order, the event loop.
#include <QApplication>

namespace beditor {

int RunProgram(QApplication& application, int argc, char** argv);

}  // namespace beditor
