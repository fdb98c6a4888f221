#pragma once
// The layout was drawn for Tahoma's metrics. Where the system lacks Tahoma, the
// Tahoma-compatible faces of the fonts-wine package are registered with the application.
#include <QFont>

namespace beditor {

// Reads the system's font configuration ahead of the toolkit, which otherwise reads it when
// it first needs a font: a good part of the start-up that needs neither the toolkit nor a
// window, so the program's entry runs it on a worker thread. A no-op where the toolkit does
// not use fontconfig.
void LoadFontConfiguration();

// Registers Tahoma when the system lacks it; returns whether Tahoma is available now. Waits
// for a LoadFontConfiguration that is under way, so the configuration is not read twice.
bool InstallTahoma();

// Tahoma with a character height of `pixels`.
QFont TahomaFont(int pixels = 11, bool bold = false);

}  // namespace beditor
