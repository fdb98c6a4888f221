#pragma once
// A fighter file's bytes with one line replaced, as another program's save would leave them.
#include <string>
#include <string_view>

namespace beditor::test {

// `bytes` with line `line` (from 0) replaced by `text`; the CR LF line ends and every other
// byte kept.
inline std::string WithLine(std::string bytes, int line, std::string_view text) {
  std::size_t start = 0;
  for (int i = 0; i < line; ++i) start = bytes.find("\r\n", start) + 2;
  return bytes.replace(start, bytes.find("\r\n", start) - start, text);
}

}  // namespace beditor::test
