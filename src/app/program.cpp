#include "app/program.h"

#include <csignal>

#include "widgets/tahoma_font.h"

namespace beditor {

int RunProgram(QApplication& application, int /*argc*/, char** /*argv*/) {
#ifdef SIGXFSZ
  // A file-size limit must surface as a failed write, not end the program.
  std::signal(SIGXFSZ, SIG_IGN);
#endif
  QApplication::setApplicationName(QStringLiteral("BEditor"));
  QApplication::setApplicationDisplayName(QStringLiteral("BEditor"));
  InstallTahoma();
  return application.exec();
}

}  // namespace beditor
