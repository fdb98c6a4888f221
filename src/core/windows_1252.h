#pragma once
// Windows-1252, the code page of every fighter and list file, to and from Unicode. Bytes
// 0x80-0x9F follow the code page's table; the five bytes it leaves unassigned map to the C1
// controls of the same number, as Windows maps them, so every byte survives a round trip.
// Every other byte is the code point of the same number.
#include <optional>
#include <string>
#include <string_view>

namespace beditor {

char32_t Windows1252ToCodePoint(unsigned char byte);

// The byte for a code point, or nothing when the code page lacks it.
std::optional<unsigned char> CodePointToWindows1252(char32_t codePoint);

std::string Windows1252ToUtf8(std::string_view bytes);
// True when no byte is above 0x7F: such text is the same bytes in Windows-1252 and UTF-8,
// and needs no conversion.
bool IsPlainAscii(std::string_view bytes);
std::u16string Windows1252ToUtf16(std::string_view bytes);

// Each character the code page lacks becomes one "?", as does each unpaired surrogate.
std::string Utf16ToWindows1252(std::u16string_view text);

// UTF-8 to Windows-1252, or nothing when the text is not valid UTF-8 or holds a character
// the code page lacks.
std::optional<std::string> Utf8ToWindows1252(std::string_view utf8);

// True when the bytes are well-formed UTF-8 (no overlong forms, no surrogates).
bool IsValidUtf8(std::string_view bytes);

}  // namespace beditor
