#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/windows_1252.h"

namespace beditor {
namespace {

// Hex dump, so that a failure names the bytes.
std::string Hex(const std::string& bytes) {
  static const char digits[] = "0123456789ABCDEF";
  std::string text;
  for (char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    text += digits[byte >> 4];
    text += digits[byte & 15];
    text += ' ';
  }
  return text;
}

TEST(IsValidUtf8, AcceptsEveryRangeUpToItsLimits) {
  const std::vector<std::string> valid = {
      "",
      std::string("a\0b", 3),
      "\x7F",
      "\xC2\x80",              // U+0080, the first two-byte character
      "\xDF\xBF",              // U+07FF
      "\xE0\xA0\x80",          // U+0800, the first three-byte character
      "\xED\x9F\xBF",          // U+D7FF, just below the surrogates
      "\xEE\x80\x80",          // U+E000, just above them
      "\xEF\xBB\xBF",          // the byte-order mark
      "\xEF\xBF\xBF",          // U+FFFF
      "\xF0\x90\x80\x80",      // U+10000, the first four-byte character
      "\xF4\x8F\xBF\xBF",      // U+10FFFF, the last one
      "Jos\xC3\xA9 Pe\xC3\xB1" "a \xE2\x82\xAC",
  };
  for (const auto& bytes : valid) EXPECT_TRUE(IsValidUtf8(bytes)) << Hex(bytes);
}

TEST(IsValidUtf8, RefusesOverlongSurrogatesTooLargeAndCutSequences) {
  const std::vector<std::string> invalid = {
      "\x80",                  // a continuation byte alone
      "a\xBF",
      "\xC0\x80",              // NUL overlong
      "\xC1\xBF",              // U+007F overlong
      "\xE0\x9F\xBF",          // U+07FF overlong
      "\xF0\x8F\xBF\xBF",      // U+FFFF overlong
      "\xED\xA0\x80",          // U+D800
      "\xED\xBF\xBF",          // U+DFFF
      "\xF4\x90\x80\x80",      // U+110000
      "\xF5\x80\x80\x80",
      "\xF8\x88\x80\x80\x80",  // five-byte form
      "\xFE", "\xFF",
      "\xC3",                  // cut at the end of the text
      "\xE2\x82",
      "\xF0\x90\x80",
      "\xC3" "a",              // cut by an ASCII byte
      "\xE2\x82" "a",
      "\xE2" "a" "\xAC",
      "Jos\xE9",               // Windows-1252
      "\xC3\xA9\xE9",          // valid, then not
  };
  for (const auto& bytes : invalid) EXPECT_FALSE(IsValidUtf8(bytes)) << Hex(bytes);
}

}  // namespace
}  // namespace beditor
