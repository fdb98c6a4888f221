#pragma once
// The background picture: a JPEG file decoded into plain RGB pixels with the JPEG library.
#include <cstddef>
#include <filesystem>
#include <functional>
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

// How the bytes of a decoded pixel are ordered.
enum class PixelLayout {
  Rgb,   // red, green, blue
  Bgrx,  // blue, green, red, 255: a 32-bit 0xFFRRGGBB on a little-endian machine
  Xrgb,  // 255, red, green, blue: the same on a big-endian machine
};

// Where the decoded rows go: the first row, and the bytes from one row to the next.
struct PixelRows {
  unsigned char* first = nullptr;
  std::ptrdiff_t stride = 0;
};

// As DecodeJpeg, into memory the caller provides, so that a picture bound for the screen
// can be decoded straight into the screen's format: `rows` is called once, with the size,
// after the size limit was checked, and must return room for that many rows.
void DecodeJpegInto(std::string_view bytes, PixelLayout layout,
                    const std::function<PixelRows(int width, int height)>& rows);

// Throws FileOpenError when the file cannot be read, then as DecodeJpeg.
RgbPicture LoadJpegFile(const std::filesystem::path& path);

}  // namespace beditor
