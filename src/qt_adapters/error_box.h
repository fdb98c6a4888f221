#pragma once
// The standard error box, and the guard every event handler runs its body in, so that no
// error ever crosses a Qt frame.
#include <QString>
#include <exception>
#include <string>

#include "core/file_errors.h"
#include "qt_adapters/dialogs.h"

namespace beditor {

// The error's message in a system box titled "BEditor" with the error icon and OK.
void ShowErrorBox(Dialogs& dialogs, const std::string& message);

// Shows the error in flight (call only inside a catch block).
void ShowCurrentError(Dialogs& dialogs);

// Runs `body`; an error it raises is shown in the standard error box and goes no further.
template <typename Body>
void RunGuarded(Dialogs& dialogs, Body&& body) noexcept {
  try {
    body();
  } catch (...) {
    ShowCurrentError(dialogs);
  }
}

}  // namespace beditor
