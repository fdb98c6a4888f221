// The SUB byte (0x1A) is Qt's mark for a character Windows-1252 lacks; a SUB that a file
// line really holds must not turn into "?" on its way through a text box.
#include <gtest/gtest.h>

#include "files/windows_1252.h"

namespace beditor {
namespace {

TEST(Windows1252SubByte, EveryByteOfALineSurvivesTheTripThroughWidgetText) {
  for (int byte = 0x01; byte <= 0xFF; ++byte) {
    if (byte == '\r' || byte == '\n') continue;
    const std::string line = {'a', static_cast<char>(byte), 'b'};
    EXPECT_EQ(QStringToWindows1252(Windows1252ToQString(line)), line) << "byte " << byte;
  }
}

TEST(Windows1252SubByte, RealSubStaysWhileMissingCharactersStillBecomeQuestionMarks) {
  const QString text = QChar(0x1A) + QString::fromUtf8("Ana 日") + QChar(0x1A) + QChar(0x1A) + "Ł";
  EXPECT_EQ(QStringToWindows1252(text), "\x1A" "Ana ?\x1A\x1A?");
}

}  // namespace
}  // namespace beditor
