// One QApplication for the whole test binary; windows and widgets run offscreen.
#include <gtest/gtest.h>

#include <QApplication>

#include "desktop/leak_suppressions.h"
#include "widgets/tahoma_font.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  beditor::InstallTahoma();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
