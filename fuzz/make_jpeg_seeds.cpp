// Writes the seed pictures of the JPEG fuzzer: tiny pictures, each made with a different
// choice of the library's compressor (colour space, subsampling, progressive, restarts,
// arithmetic coding), so the fuzzer starts from every path of the decoder.
//
// Usage: make_jpeg_seeds <folder>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

// After <cstdio>: the library's header uses FILE and size_t without including them.
#include <jpeglib.h>

namespace {

struct Seed {
  const char* name;
  int width;
  int height;
  J_COLOR_SPACE space;
  int components;
  bool progressive = false;
  bool arithmetic = false;
  int restartRows = 0;
  bool fullChroma = false;  // 4:4:4 instead of the default 4:2:0
  int quality = 75;
};

// A small pattern, different in every channel so no channel compresses to nothing.
std::vector<unsigned char> Pixels(const Seed& seed) {
  std::vector<unsigned char> pixels(static_cast<size_t>(seed.width) * seed.height * seed.components);
  for (int y = 0; y < seed.height; ++y)
    for (int x = 0; x < seed.width; ++x)
      for (int c = 0; c < seed.components; ++c)
        pixels[(static_cast<size_t>(y) * seed.width + x) * seed.components + c] =
            static_cast<unsigned char>((x * 37 + y * 23 + c * 71) & 0xFF);
  return pixels;
}

bool Write(const Seed& seed, const std::filesystem::path& path) {
  std::FILE* out = std::fopen(path.string().c_str(), "wb");
  if (!out) return false;
  jpeg_compress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);  // a failure ends the tool: fine for a by-hand tool
  jpeg_create_compress(&info);
  jpeg_stdio_dest(&info, out);
  info.image_width = static_cast<JDIMENSION>(seed.width);
  info.image_height = static_cast<JDIMENSION>(seed.height);
  info.input_components = seed.components;
  info.in_color_space = seed.space;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, seed.quality, TRUE);
  if (seed.progressive) jpeg_simple_progression(&info);
  info.arith_code = seed.arithmetic ? TRUE : FALSE;
  info.restart_in_rows = seed.restartRows;
  if (seed.fullChroma && seed.components > 1)
    for (int c = 0; c < info.num_components; ++c) info.comp_info[c].h_samp_factor = info.comp_info[c].v_samp_factor = 1;

  std::vector<unsigned char> pixels = Pixels(seed);
  jpeg_start_compress(&info, TRUE);
  while (info.next_scanline < info.image_height) {
    JSAMPROW row = &pixels[static_cast<size_t>(info.next_scanline) * seed.width * seed.components];
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  return std::fclose(out) == 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_jpeg_seeds <folder>\n");
    return 2;
  }
  const std::filesystem::path folder = argv[1];
  std::filesystem::create_directories(folder);
  const Seed seeds[] = {
      {"baseline_rgb.jpg", 16, 16, JCS_RGB, 3},
      {"odd_size_444.jpg", 9, 7, JCS_RGB, 3, false, false, 0, true, 90},
      {"grey.jpg", 8, 8, JCS_GRAYSCALE, 1},
      {"progressive.jpg", 17, 9, JCS_RGB, 3, true},
      {"arithmetic.jpg", 8, 16, JCS_RGB, 3, false, true},
      {"restarts.jpg", 16, 32, JCS_RGB, 3, false, false, 1},
      {"cmyk.jpg", 8, 8, JCS_CMYK, 4},
      {"one_pixel.jpg", 1, 1, JCS_RGB, 3, false, false, 0, false, 10},
  };
  for (const Seed& seed : seeds) {
    if (!Write(seed, folder / seed.name)) {
      std::fprintf(stderr, "make_jpeg_seeds: cannot write %s\n", seed.name);
      return 1;
    }
  }
  return 0;
}
