#pragma once
// Whether bytes are well-formed UTF-8: what decides how a text file from outside is read.
#include <string_view>

namespace beditor {

// True when every character is encoded in its shortest form, within U+0000..U+10FFFF and
// outside the surrogates U+D800..U+DFFF, with no sequence cut short.
bool IsValidUtf8(std::string_view bytes);

}  // namespace beditor
