#pragma once
// Text in double quotes, for messages.
#include <string>
#include <string_view>

namespace beditor::roster {

// Built by appending: GCC 12 misreads a literal put in front of a string as an overlapping copy.
inline std::string Quoted(std::string_view text) {
  std::string quoted;
  quoted.reserve(text.size() + 2);
  quoted += '"';
  quoted += text;
  quoted += '"';
  return quoted;
}

}  // namespace beditor::roster
