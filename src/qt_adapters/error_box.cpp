#include "qt_adapters/error_box.h"

#include <new>

namespace beditor {

void ShowErrorBox(Dialogs& dialogs, const std::string& message) {
  dialogs.ShowSystemMessage(QString::fromStdString(ErrorBoxText(message)), kApplicationTitle,
                            kMessageOk | kMessageIconError);
}

void ShowCurrentError(Dialogs& dialogs) {
  // Showing a box may itself fail (no memory); nothing more can be done then.
  try {
    try {
      throw;
    } catch (const std::exception& error) {
      ShowErrorBox(dialogs, error.what());
    } catch (...) {
      ShowErrorBox(dialogs, "Unknown error");
    }
  } catch (...) {
  }
}

}  // namespace beditor
