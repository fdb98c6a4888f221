#include "core/windows_1252.h"

#include <gtest/gtest.h>

#include <string>

namespace beditor {
namespace {

// The code page's own table for 0x80-0x9F; every other byte is its own code point.
constexpr char32_t kExpected80To9F[32] = {
    U'€', 0x81, U'‚', U'ƒ', U'„', U'…', U'†', U'‡', U'ˆ', U'‰', U'Š', U'‹', U'Œ', 0x8D, U'Ž', 0x8F,
    0x90, U'‘', U'’', U'“', U'”', U'•', U'–', U'—', U'˜', U'™', U'š', U'›', U'œ', 0x9D, U'ž', U'Ÿ'};

TEST(Windows1252, EveryByteMapsAndComesBackThroughUtf8AndUtf16) {
  for (int value = 0; value <= 0xFF; ++value) {
    const auto byte = static_cast<unsigned char>(value);
    const char32_t expected = value >= 0x80 && value <= 0x9F ? kExpected80To9F[value - 0x80] : char32_t(value);
    EXPECT_EQ(Windows1252ToCodePoint(byte), expected) << value;
    EXPECT_EQ(CodePointToWindows1252(expected), byte) << value;

    const std::string bytes(1, static_cast<char>(byte));
    const std::u16string utf16 = Windows1252ToUtf16(bytes);
    ASSERT_EQ(utf16.size(), 1u);
    EXPECT_EQ(utf16[0], static_cast<char16_t>(expected));
    EXPECT_EQ(Utf16ToWindows1252(utf16), bytes) << value;
    EXPECT_EQ(Utf8ToWindows1252(Windows1252ToUtf8(bytes)), bytes) << value;
    // The conversion may be skipped exactly where it would change nothing.
    EXPECT_EQ(IsPlainAscii("plain " + bytes + " text"), Windows1252ToUtf8(bytes) == bytes) << value;
  }
}

TEST(Windows1252, TextConvertsBothWays) {
  EXPECT_EQ(Windows1252ToUtf8("Motivaci\xF3n \x80 Pu\xF1os"), "Motivación € Puños");
  EXPECT_EQ(Utf8ToWindows1252("Ñandú Müller"), "\xD1" "and\xFA" " M\xFCller");
  EXPECT_EQ(Windows1252ToUtf8(std::string("a\0b", 3)), std::string("a\0b", 3));
}

TEST(Windows1252, CharactersOutsideTheCodePage) {
  // Each missing character is one "?": a pair of surrogates included, and a lone surrogate.
  EXPECT_EQ(Utf16ToWindows1252(u"Łódź 東京 😀"), "?\xF3" "d? ?? ?");
  EXPECT_EQ(Utf16ToWindows1252(std::u16string(1, char16_t(0xD800)) + u"a"), "?a");
  EXPECT_EQ(CodePointToWindows1252(0x0100), std::nullopt);
  EXPECT_EQ(CodePointToWindows1252(0x2013), 0x96);
  // The import refuses rather than guesses.
  EXPECT_EQ(Utf8ToWindows1252("Łukasz"), std::nullopt);
  EXPECT_EQ(Utf8ToWindows1252("\xFF"), std::nullopt);
}

TEST(Windows1252, Utf8Validity) {
  const std::pair<std::string, bool> cases[] = {
      {"", true},
      {"plain", true},
      {"Ñandú 東京 😀", true},
      {"\xD1" "and\xFA", false},     // Windows-1252 bytes
      {"\xC0\xAF", false},           // overlong "/"
      {"\xED\xA0\x80", false},       // a surrogate
      {"\xF4\x90\x80\x80", false},   // beyond U+10FFFF
      {"\xE6\x9D", false},           // cut short
      {"\x80", false},               // a lone continuation byte
  };
  for (const auto& [bytes, valid] : cases) EXPECT_EQ(IsValidUtf8(bytes), valid) << bytes;
}

}  // namespace
}  // namespace beditor
