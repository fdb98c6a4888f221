#include "qt_adapters/widget_text.h"

#include "core/windows_1252.h"

namespace beditor {

QString Windows1252ToQString(std::string_view bytes) {
  return QString::fromStdU16String(Windows1252ToUtf16(bytes));
}

std::string QStringToWindows1252(const QString& text) {
  return Utf16ToWindows1252(
      std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())));
}

QString FirstLineOf(const QString& text) {
  qsizetype end = 0;
  while (end < text.size()) {
    const QChar c = text.at(end);
    if (c == u'\r' || c == u'\n' || c == QChar(0)) break;
    ++end;
  }
  return text.left(end);
}

}  // namespace beditor
