#pragma once
// File bytes (Windows-1252) as the text widgets show, and back.
#include <QString>
#include <string>
#include <string_view>

namespace beditor {

QString Windows1252ToQString(std::string_view bytes);

// Characters that Windows-1252 lacks become "?".
std::string QStringToWindows1252(const QString& text);

// What a control may write into a record line: the first line of the text only, so that
// CR, LF and NUL never reach a file.
QString FirstLineOf(const QString& text);

}  // namespace beditor
