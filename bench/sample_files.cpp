#include "sample_files.h"

#include <QTemporaryDir>
#include <fstream>
#include <map>
#include <stdexcept>

namespace beditor::bench {

const char* ShapeName(LineShape shape) {
  switch (shape) {
    case LineShape::CrLf:
      return "CRLF";
    case LineShape::Lf:
      return "LF";
    case LineShape::OneLine:
      return "OneLine";
  }
  return "?";
}

std::string SizeName(std::size_t bytes) {
  if (bytes >= kMegabyte) return std::to_string(bytes / kMegabyte) + "MB";
  if (bytes >= kKilobyte) return std::to_string(bytes / kKilobyte) + "KB";
  return std::to_string(bytes) + "B";
}

std::string SampleText(LineShape shape, std::size_t size) {
  std::string text;
  text.reserve(size);
  if (shape == LineShape::OneLine) {
    while (text.size() + 2 < size) text += static_cast<char>('a' + text.size() % 26);
    text += "\r\n";
    text.resize(size);
    return text;
  }
  const std::string_view lineBreak = shape == LineShape::CrLf ? "\r\n" : "\n";
  // Varied text with a running number, so no two neighbouring lines are alike.
  static constexpr std::string_view kWords = "Fighter record, team, style and weight 0123456789 ";
  constexpr std::size_t kLengths = kLongestSampleLine - kShortestSampleLine + 1;
  for (std::size_t number = 0; text.size() < size; ++number) {
    const std::size_t length = kShortestSampleLine + number * 37 % kLengths - lineBreak.size();
    std::string line = std::to_string(number) + ' ';
    for (std::size_t i = number % kWords.size(); line.size() < length; ++i)
      line += kWords[i % kWords.size()];
    line.resize(length);
    text += line;
    text += lineBreak;
  }
  text.resize(size);
  return text;
}

const std::filesystem::path& WorkFolder() {
  static QTemporaryDir folder;
  static const std::filesystem::path path = [] {
    if (!folder.isValid()) throw std::runtime_error("no temporary folder for the benchmarks");
    return std::filesystem::path(folder.path().toStdString());
  }();
  return path;
}

const std::filesystem::path& SampleFile(LineShape shape, std::size_t size) {
  static std::map<std::pair<LineShape, std::size_t>, std::filesystem::path> files;
  auto [entry, added] = files.try_emplace({shape, size});
  if (added) {
    entry->second =
        WorkFolder() / (std::string("sample_") + ShapeName(shape) + "_" + SizeName(size) + ".txt");
    const std::string text = SampleText(shape, size);
    std::ofstream(entry->second, std::ios::binary)
        .write(text.data(), static_cast<std::streamsize>(text.size()));
  }
  return entry->second;
}

}  // namespace beditor::bench
