// Writes the editor window's background picture: an 844 x 386 JPEG, a dark blue-grey
// diagonal gradient with a faint diagonal weave, a soft sheen and a vignette, dark enough
// everywhere for white labels.
//
// Usage: make_background <output.jpg>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

// After <cstdio>: the library's header uses FILE and size_t without including them.
#include <jpeglib.h>

namespace {

constexpr int kWidth = 844;
constexpr int kHeight = 386;

// 4 x 4 ordered dither, so the gentle gradient shows no bands after 8-bit rounding.
constexpr int kBayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};

unsigned char Channel(double value, int x, int y) {
  const double dither = (kBayer[y & 3][x & 3] + 0.5) / 16.0 - 0.5;
  return static_cast<unsigned char>(std::clamp(std::lround(value + dither), 0L, 255L));
}

std::vector<unsigned char> Paint() {
  std::vector<unsigned char> rgb(static_cast<size_t>(kWidth) * kHeight * 3);
  const double diagonal = std::hypot(kWidth, kHeight);
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      // 0 at the top-left corner, 1 at the bottom-right one.
      const double t = (x * static_cast<double>(kWidth) + y * static_cast<double>(kHeight)) /
                       (diagonal * diagonal);
      double r = 34 - 22 * t;
      double g = 42 - 27 * t;
      double b = 58 - 34 * t;

      // A broad, faint sheen along the opposite diagonal.
      const double across = (x / static_cast<double>(kWidth)) - (y / static_cast<double>(kHeight));
      const double sheen = 7.0 * std::exp(-across * across * 10.0);
      r += sheen * 0.8;
      g += sheen * 0.9;
      b += sheen * 1.1;

      // Fine diagonal weave: two families of thin lines, a few levels brighter.
      const bool rising = (x + y) % 7 == 0;
      const bool falling = (x - y + 7 * kHeight) % 7 == 0;
      const double weave = (rising ? 2.5 : 0.0) + (falling ? 1.5 : 0.0);
      r += weave;
      g += weave;
      b += weave * 1.2;

      // Vignette: the edges fall off towards the ink of the corners.
      const double dx = (x - kWidth / 2.0) / (kWidth / 2.0);
      const double dy = (y - kHeight / 2.0) / (kHeight / 2.0);
      const double shade = 1.0 - 0.28 * std::min(1.0, (dx * dx + dy * dy) / 2.0);

      unsigned char* pixel = &rgb[(static_cast<size_t>(y) * kWidth + x) * 3];
      pixel[0] = Channel(r * shade, x, y);
      pixel[1] = Channel(g * shade, x, y);
      pixel[2] = Channel(b * shade, x, y);
    }
  }
  return rgb;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_background <output.jpg>\n");
    return 2;
  }
  std::vector<unsigned char> rgb = Paint();

  // Written beside the target first and renamed at the end, so an interrupted build never
  // leaves a half-written picture that looks up to date.
  const std::string target = argv[1];
  const std::string temporary = target + ".part";
  std::FILE* out = std::fopen(temporary.c_str(), "wb");
  if (!out) {
    std::perror(temporary.c_str());
    return 1;
  }

  // The library's standard error handler ends the process on failure, which is what a
  // build step should do.
  jpeg_compress_struct cinfo{};
  jpeg_error_mgr jerr{};
  cinfo.err = jpeg_std_error(&jerr);
  jpeg_create_compress(&cinfo);
  jpeg_stdio_dest(&cinfo, out);
  cinfo.image_width = kWidth;
  cinfo.image_height = kHeight;
  cinfo.input_components = 3;
  cinfo.in_color_space = JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, 92, TRUE);
  cinfo.optimize_coding = TRUE;
  jpeg_start_compress(&cinfo, TRUE);
  while (cinfo.next_scanline < cinfo.image_height) {
    JSAMPROW row = &rgb[static_cast<size_t>(cinfo.next_scanline) * kWidth * 3];
    jpeg_write_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);

  const bool written = std::fflush(out) == 0 && !std::ferror(out);
  const bool closed = std::fclose(out) == 0;
  std::error_code error;
  if (written && closed) std::filesystem::rename(temporary, target, error);
  if (!written || !closed || error) {
    std::fprintf(stderr, "make_background: cannot write %s\n", target.c_str());
    std::filesystem::remove(temporary, error);
    return 1;
  }
  return 0;
}
