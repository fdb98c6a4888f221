#pragma once
// Acting on a modal dialog from inside its own event loop.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace beditor::test {

// Runs `act` on the first visible top-level T once the event loop of the modal dialog is
// running. Gives up after a number of event-loop turns, so a dialog that never shows fails
// the test instead of hanging it.
template <typename T>
void WhenShown(std::function<void(T*)> act, int turnsLeft = 200) {
  QTimer::singleShot(0, [act, turnsLeft] {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      if (auto* dialog = qobject_cast<T*>(widget); dialog && dialog->isVisible()) {
        act(dialog);
        return;
      }
    }
    if (turnsLeft > 0)
      WhenShown<T>(act, turnsLeft - 1);
    else
      ADD_FAILURE() << "no dialog was shown";
  });
}

}  // namespace beditor::test
