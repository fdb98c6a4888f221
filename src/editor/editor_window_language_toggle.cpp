// The hidden language flag: switches the language code in Config.txt for the next start.
#include "editor/editor_window.h"

namespace beditor {

void EditorWindow::ToggleLanguage() {
  if (configLines_.LineAt(0) != "EN") {
    configLines_.ReplaceLine(0, "EN");
    dialogs_.ShowSystemMessage(
        QStringLiteral("Languaje set to english. You must restart the apllication in order to changes to take effect"),
        QStringLiteral("Languaje change"), kMessageOk);
  } else {
    configLines_.ReplaceLine(0, "ES");
    dialogs_.ShowSystemMessage(
        QString::fromUtf8("Idioma cambiado a castellano. Debe reiniciar la aplicación para ver los cambios"),
        QStringLiteral("Cambio de idioma"), kMessageOk);
  }
  configLines_.SaveLines(InProgramFolder("Config.txt"));
}

}  // namespace beditor
