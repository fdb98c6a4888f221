#include "core/utf8_check.h"

#include <cstddef>

namespace beditor {

bool IsValidUtf8(std::string_view bytes) {
  std::size_t at = 0;
  while (at < bytes.size()) {
    const auto lead = static_cast<unsigned char>(bytes[at]);
    if (lead < 0x80) {
      ++at;
      continue;
    }
    // The lead byte gives the length and the range of the second byte; that range is what
    // shuts out overlong forms, surrogates and code points past U+10FFFF. Later bytes are
    // plain continuation bytes.
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
      length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      length = 3;
      if (lead == 0xE0) low = 0xA0;
      if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      length = 4;
      if (lead == 0xF0) low = 0x90;
      if (lead == 0xF4) high = 0x8F;
    } else {
      return false;
    }
    if (bytes.size() - at < length) return false;
    const auto second = static_cast<unsigned char>(bytes[at + 1]);
    if (second < low || second > high) return false;
    for (std::size_t i = 2; i < length; ++i) {
      const auto next = static_cast<unsigned char>(bytes[at + i]);
      if (next < 0x80 || next > 0xBF) return false;
    }
    at += length;
  }
  return true;
}

}  // namespace beditor
