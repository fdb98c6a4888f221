#pragma once
// Conversions between file bytes (Windows-1252) and the text that widgets show.
#include <QString>
#include <string>
#include <string_view>

namespace beditor {

QString Windows1252ToQString(std::string_view bytes);

// Characters that Windows-1252 lacks become "?".
std::string QStringToWindows1252(const QString& text);

std::string Windows1252ToUtf8(std::string_view bytes);

// What a control may write into a record line: the first line of the text only, so that
// CR, LF and NUL never reach a file.
QString FirstLineOf(const QString& text);

}  // namespace beditor
