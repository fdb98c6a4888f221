#pragma once
// The background picture: a JPEG file decoded into plain RGB pixels with the JPEG library.
#include <filesystem>
#include <string_view>
#include <vector>

namespace beditor {

struct RgbPicture {
  int width = 0;
  int height = 0;
  std::vector<unsigned char> rgb;  // 3 bytes per pixel, rows top to bottom
};

// Largest picture accepted, in pixels; anything bigger is refused before any allocation.
constexpr long long kMaxJpegPixels = 100'000'000;

// Throws JpegError carrying the library's message number. Corrupt-data warnings (a
// truncated file, for one) count as errors, so a damaged picture is never half shown.
RgbPicture DecodeJpeg(std::string_view bytes);

// Throws FileOpenError when the file cannot be read, then as DecodeJpeg.
RgbPicture LoadJpegFile(const std::filesystem::path& path);

}  // namespace beditor
