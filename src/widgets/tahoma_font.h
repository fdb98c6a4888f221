#pragma once
// The layout was drawn for Tahoma's metrics. Where the system lacks Tahoma, the
// Tahoma-compatible faces of the fonts-wine package are registered with the application.
#include <QFont>

namespace beditor {

// Registers Tahoma when the system lacks it; returns whether Tahoma is available now.
bool InstallTahoma();

// Tahoma with a character height of `pixels`.
QFont TahomaFont(int pixels = 11, bool bold = false);

}  // namespace beditor
