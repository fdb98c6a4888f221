// File bytes as widget text and back.
#include <gtest/gtest.h>

#include "qt_adapters/widget_text.h"

namespace beditor {
namespace {

TEST(WidgetText, EveryByteOfALineSurvivesTheTripThroughWidgetText) {
  for (int byte = 0x01; byte <= 0xFF; ++byte) {
    if (byte == '\r' || byte == '\n') continue;
    const std::string line = {'a', static_cast<char>(byte), 'b'};
    EXPECT_EQ(QStringToWindows1252(Windows1252ToQString(line)), line) << "byte " << byte;
  }
}

// A SUB byte (0x1A) is an ordinary byte of a line, not a mark for a missing character.
TEST(WidgetText, RealSubStaysWhileMissingCharactersStillBecomeQuestionMarks) {
  const QString text = QChar(0x1A) + QString::fromUtf8("Ana 日") + QChar(0x1A) + QChar(0x1A) + "Ł";
  EXPECT_EQ(QStringToWindows1252(text), "\x1A" "Ana ?\x1A\x1A?");
}

TEST(WidgetText, ConvertsAtTheWidgetBoundary) {
  EXPECT_EQ(Windows1252ToQString("Motivaci\xF3n"), QString::fromUtf8("Motivación"));
  EXPECT_EQ(Windows1252ToQString("\x80"), QString::fromUtf8("€"));
  EXPECT_EQ(QStringToWindows1252(QString::fromUtf8("Puños €")), "Pu\xF1os \x80");
  EXPECT_EQ(QStringToWindows1252(QString::fromUtf8("Łódź 日本")), "?\xF3" "d? ??");
  EXPECT_EQ(FirstLineOf(QStringLiteral("Ana\r\nSouza")), "Ana");
  EXPECT_EQ(FirstLineOf(QStringLiteral("Ana\nSouza")), "Ana");
  EXPECT_EQ(FirstLineOf(QString("A") + QChar(0) + "B"), "A");
  EXPECT_EQ(FirstLineOf(QStringLiteral("plain")), "plain");
}

}  // namespace
}  // namespace beditor
