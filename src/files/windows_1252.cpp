#include "files/windows_1252.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <QStringList>

namespace beditor {

QString Windows1252ToQString(std::string_view bytes) {
  QStringDecoder decode("windows-1252");
  return decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

std::string QStringToWindows1252(const QString& text) {
  QStringEncoder encode("windows-1252");
  // Qt's encoder marks characters it cannot map with the SUB byte. A SUB that the text
  // really holds (a file line may) must stay, so the text is encoded around its own SUBs.
  std::string bytes;
  const QStringList pieces = text.split(QChar(0x1A));
  for (qsizetype i = 0; i < pieces.size(); ++i) {
    if (i > 0) bytes += '\x1A';
    QByteArray encoded = encode(pieces[i]);
    encoded.replace('\x1A', '?');
    bytes += encoded.toStdString();
  }
  return bytes;
}

std::string Windows1252ToUtf8(std::string_view bytes) {
  return Windows1252ToQString(bytes).toStdString();
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
