#include "core/argument_splitter.h"

namespace beditor {
namespace {

bool IsSeparator(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte >= 0x01 && byte <= 0x20;
}

}  // namespace

std::vector<std::string> SplitCommandLine(std::string_view line) {
  std::vector<std::string> arguments;
  std::size_t at = 0;
  const auto skipSeparators = [&] {
    for (;;) {
      while (at < line.size() && IsSeparator(line[at])) ++at;
      if (line.substr(at, 2) != "\"\"") return;
      at += 2;
    }
  };
  for (;;) {
    skipSeparators();
    std::string argument;
    while (at < line.size() && !IsSeparator(line[at]) && line[at] != '\0') {
      if (line[at] == '"') {
        ++at;
        while (at < line.size() && line[at] != '"' && line[at] != '\0') argument += line[at++];
        if (at < line.size() && line[at] == '"') ++at;
      } else {
        argument += line[at++];
      }
    }
    if (argument.empty()) return arguments;
    arguments.push_back(std::move(argument));
  }
}

ProgramArguments::ProgramArguments(std::filesystem::path executable,
                                   std::vector<std::string> arguments)
    : executable_(std::move(executable)) {
  for (std::size_t i = 1; i < arguments.size(); ++i) {
    if (arguments[i].empty()) break;
    arguments_.push_back(std::move(arguments[i]));
  }
}

std::string ProgramArguments::ArgumentAt(int index) const {
  if (index == 0) {
    const auto text = executable_.u8string();
    return std::string(text.begin(), text.end());
  }
  if (index < 1 || index > ArgumentCount()) return {};
  return arguments_[static_cast<std::size_t>(index - 1)];
}

}  // namespace beditor
