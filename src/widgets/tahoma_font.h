#pragma once
// The layout was drawn for Tahoma's metrics. Where the system lacks Tahoma, the
// Tahoma-compatible faces of the fonts-wine package are registered with the application.
#include <QFont>
#include <functional>

namespace beditor {

// The work of reading the system's font configuration ahead of the toolkit, which otherwise
// reads it when it first needs a font: a good part of the start-up that needs neither the
// toolkit nor a window, so the start-up's worker (app/start_up.h) runs it, once. From this
// call on, InstallTahoma waits until that work has run, or until it was dropped unrun, so
// that the configuration is never read twice at once. A no-op where the toolkit does not use
// fontconfig.
std::function<void()> FontConfigurationReading();

// Registers Tahoma when the system lacks it; returns whether Tahoma is available now. Waits
// for a FontConfigurationReading handed out before, whether or not it has started.
bool InstallTahoma();

// Tahoma with a character height of `pixels`.
QFont TahomaFont(int pixels = 11, bool bold = false);

}  // namespace beditor
