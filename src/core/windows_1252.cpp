#include "core/windows_1252.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

namespace beditor {
namespace {

// Code points of 0x80-0x9F.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (c >> 6)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (c >> 12)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (c >> 18)));
    out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

// Decodes the UTF-8 sequence at `pos`, advancing it; nothing for a malformed sequence.
std::optional<char32_t> NextUtf8(std::string_view text, std::size_t& pos) {
  const auto byte = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(pos);
  int length = 0;
  char32_t c = 0;
  char32_t minimum = 0;
  if (lead < 0x80) {
    ++pos;
    return lead;
  } else if ((lead & 0xE0) == 0xC0) {
    length = 2, c = lead & 0x1F, minimum = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3, c = lead & 0x0F, minimum = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4, c = lead & 0x07, minimum = 0x10000;
  } else {
    return std::nullopt;
  }
  if (text.size() - pos < static_cast<std::size_t>(length)) return std::nullopt;
  for (int i = 1; i < length; ++i) {
    const unsigned char next = byte(pos + static_cast<std::size_t>(i));
    if ((next & 0xC0) != 0x80) return std::nullopt;
    c = (c << 6) | (next & 0x3F);
  }
  if (c < minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return std::nullopt;
  pos += static_cast<std::size_t>(length);
  return c;
}

}  // namespace

char32_t Windows1252ToCodePoint(unsigned char byte) {
  return byte >= 0x80 && byte <= 0x9F ? kHighControls[byte - 0x80] : byte;
}

std::optional<unsigned char> CodePointToWindows1252(char32_t codePoint) {
  if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF))
    return static_cast<unsigned char>(codePoint);
  for (std::size_t i = 0; i < kHighControls.size(); ++i)
    if (kHighControls[i] == codePoint) return static_cast<unsigned char>(0x80 + i);
  return std::nullopt;
}

bool IsPlainAscii(std::string_view bytes) {
  // Eight bytes at a time, their high bits gathered: a roster's export asks of every cell.
  constexpr std::uint64_t kHighBits = 0x8080808080808080u;
  std::uint64_t high = 0;
  std::size_t at = 0;
  for (; at + 8 <= bytes.size(); at += 8) {
    std::uint64_t word;
    std::memcpy(&word, bytes.data() + at, 8);
    high |= word;
  }
  for (; at < bytes.size(); ++at) high |= static_cast<unsigned char>(bytes[at]);
  return (high & kHighBits) == 0;
}

std::string Windows1252ToUtf8(std::string_view bytes) {
  // Plain ASCII, most of what fighter files hold, is its own UTF-8.
  if (IsPlainAscii(bytes)) return std::string(bytes);
  std::string out;
  out.reserve(bytes.size());
  for (const char byte : bytes) AppendUtf8(out, Windows1252ToCodePoint(static_cast<unsigned char>(byte)));
  return out;
}

std::u16string Windows1252ToUtf16(std::string_view bytes) {
  std::u16string out;
  out.reserve(bytes.size());
  // Every code point of the code page lies in the basic plane: one unit each.
  for (const char byte : bytes)
    out.push_back(static_cast<char16_t>(Windows1252ToCodePoint(static_cast<unsigned char>(byte))));
  return out;
}

std::string Utf16ToWindows1252(std::u16string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t unit = text[i];
    if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
        text[i + 1] <= 0xDFFF) {
      ++i;  // a character beyond the basic plane: never in the code page
      out.push_back('?');
      continue;
    }
    const auto byte = CodePointToWindows1252(unit);
    out.push_back(byte ? static_cast<char>(*byte) : '?');
  }
  return out;
}

std::optional<std::string> Utf8ToWindows1252(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t pos = 0; pos < utf8.size();) {
    const auto c = NextUtf8(utf8, pos);
    if (!c) return std::nullopt;
    const auto byte = CodePointToWindows1252(*c);
    if (!byte) return std::nullopt;
    out.push_back(static_cast<char>(*byte));
  }
  return out;
}

bool IsValidUtf8(std::string_view bytes) {
  for (std::size_t pos = 0; pos < bytes.size();)
    if (!NextUtf8(bytes, pos)) return false;
  return true;
}

}  // namespace beditor
