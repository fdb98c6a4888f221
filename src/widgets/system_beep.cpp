#include "widgets/system_beep.h"

#include <QApplication>
#include <utility>

namespace beditor {
namespace {

std::function<void()>& BeepHandler() {
  static std::function<void()> handler;
  return handler;
}

}  // namespace

void SystemBeep() {
  if (BeepHandler()) {
    BeepHandler()();
  } else {
    QApplication::beep();
  }
}

std::function<void()> SetBeepHandler(std::function<void()> handler) {
  return std::exchange(BeepHandler(), std::move(handler));
}

}  // namespace beditor
