#pragma once
// How the painted widgets present themselves to assistive tools: the button as a push
// button with a press action, the bar as a progress bar whose value is its fill.
#include <QString>

namespace beditor {

// Registers the interfaces with Qt; safe to call any number of times.
void InstallGradientAccessibility();

// A caption as it reads aloud: access-key marks dropped, "&&" read as one ampersand.
QString WithoutAccessKeyMarks(const QString& caption);

}  // namespace beditor
