#include "qt_adapters/jpeg_picture.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

// After <cstdio>: the library's header uses FILE and size_t without including them.
#include <jerror.h>
#include <jpeglib.h>

#include "core/file_errors.h"
#include "support/temp_folder.h"

namespace beditor {
namespace {

// A JPEG made by the library's compressor from raw samples (`components` bytes a pixel).
std::string Compress(int width, int height, J_COLOR_SPACE space, int components,
                     const std::vector<unsigned char>& samples, bool adobeMarker = true) {
  jpeg_compress_struct info{};
  jpeg_error_mgr error{};
  info.err = jpeg_std_error(&error);
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = static_cast<JDIMENSION>(width);
  info.image_height = static_cast<JDIMENSION>(height);
  info.input_components = components;
  info.in_color_space = space;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, 95, TRUE);
  info.write_Adobe_marker = adobeMarker ? TRUE : FALSE;
  jpeg_start_compress(&info, TRUE);
  while (info.next_scanline < info.image_height) {
    auto* row = const_cast<JSAMPLE*>(&samples[info.next_scanline * width * components]);
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  std::string bytes(reinterpret_cast<const char*>(buffer), size);
  std::free(buffer);
  return bytes;
}

// A 32 x 16 picture in four coloured quarters.
struct Quarter {
  int x, y;
  unsigned char r, g, b;
};
constexpr Quarter kQuarters[] = {
    {0, 0, 200, 30, 30}, {16, 0, 30, 200, 30}, {0, 8, 30, 30, 200}, {16, 8, 220, 220, 40}};

std::string QuartersJpeg() {
  std::vector<unsigned char> rgb(32 * 16 * 3);
  for (const Quarter& q : kQuarters)
    for (int y = q.y; y < q.y + 8; ++y)
      for (int x = q.x; x < q.x + 16; ++x) {
        unsigned char* p = &rgb[(y * 32 + x) * 3];
        p[0] = q.r, p[1] = q.g, p[2] = q.b;
      }
  return Compress(32, 16, JCS_RGB, 3, rgb);
}

void ExpectPixelNear(const RgbPicture& picture, int x, int y, int r, int g, int b) {
  const unsigned char* p = &picture.rgb[(static_cast<size_t>(y) * picture.width + x) * 3];
  EXPECT_NEAR(p[0], r, 10) << "at " << x << "," << y;
  EXPECT_NEAR(p[1], g, 10) << "at " << x << "," << y;
  EXPECT_NEAR(p[2], b, 10) << "at " << x << "," << y;
}

std::string ErrorText(int code) { return "JPEG error #" + std::to_string(code); }

// The message of the JpegError that decoding raises; fails the test when none is raised.
std::string DecodeFailure(const std::string& bytes) {
  try {
    DecodeJpeg(bytes);
  } catch (const JpegError& error) {
    return error.what();
  }
  ADD_FAILURE() << "decoded without an error";
  return {};
}

TEST(JpegPicture, DecodesTheBackgroundAsADarkPicture) {
  const RgbPicture picture =
      LoadJpegFile(std::filesystem::path(BEDITOR_PROGRAM_DIR) / "Fondo6.jpg");
  ASSERT_EQ(picture.width, 844);
  ASSERT_EQ(picture.height, 386);
  ASSERT_EQ(picture.rgb.size(), 844u * 386u * 3u);
  // White labels must read everywhere: no bright spot, and dark on average.
  double total = 0;
  int brightest = 0;
  for (size_t i = 0; i < picture.rgb.size(); i += 3) {
    const int luminance =
        (299 * picture.rgb[i] + 587 * picture.rgb[i + 1] + 114 * picture.rgb[i + 2]) / 1000;
    total += luminance;
    brightest = std::max(brightest, luminance);
  }
  EXPECT_LT(total / (844.0 * 386.0), 60.0);
  EXPECT_LT(brightest, 110);
}

TEST(JpegPicture, KeepsColoursAndRowOrder) {
  const RgbPicture picture = DecodeJpeg(QuartersJpeg());
  ASSERT_EQ(picture.width, 32);
  ASSERT_EQ(picture.height, 16);
  ASSERT_EQ(picture.rgb.size(), 32u * 16u * 3u);
  for (const Quarter& q : kQuarters) ExpectPixelNear(picture, q.x + 4, q.y + 4, q.r, q.g, q.b);
}

TEST(JpegPicture, ConvertsGreyAndCmykToRgb) {
  const std::vector<unsigned char> grey(8 * 8, 90);
  ExpectPixelNear(DecodeJpeg(Compress(8, 8, JCS_GRAYSCALE, 1, grey)), 3, 3, 90, 90, 90);

  // With an Adobe marker the library stores CMYK inverted (255 = no ink); without one the
  // samples are plain ink amounts. Both give magenta, and half black gives mid grey.
  struct Case {
    std::vector<unsigned char> cmyk;
    bool adobe;
    int r, g, b;
  };
  const Case cases[] = {{{255, 0, 255, 255}, true, 255, 0, 255},
                        {{0, 255, 0, 0}, false, 255, 0, 255},
                        {{255, 255, 255, 128}, true, 128, 128, 128},
                        {{0, 0, 0, 128}, false, 127, 127, 127}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.adobe ? "Adobe CMYK" : "plain CMYK");
    std::vector<unsigned char> samples;
    for (int i = 0; i < 8 * 8; ++i) samples.insert(samples.end(), c.cmyk.begin(), c.cmyk.end());
    const RgbPicture picture = DecodeJpeg(Compress(8, 8, JCS_CMYK, 4, samples, c.adobe));
    ASSERT_EQ(picture.rgb.size(), 8u * 8u * 3u);
    ExpectPixelNear(picture, 3, 3, c.r, c.g, c.b);
  }
}

// The four-byte layouts hold the very pixels of the RGB decoding, in their byte order, with
// 255 in the fourth byte, whether the library writes them itself (RGB, grey) or they are
// converted afterwards (CMYK); rows go where the caller says and nothing else is written.
TEST(JpegPicture, DecodesIntoTheCallersRowsInEachLayout) {
  std::vector<unsigned char> cmyk;
  for (int i = 0; i < 32 * 16; ++i)
    cmyk.insert(cmyk.end(), {static_cast<unsigned char>(i % 256), 40, 200, 30});
  const std::vector<unsigned char> grey(32 * 16, 90);
  const std::string pictures[] = {QuartersJpeg(), Compress(32, 16, JCS_CMYK, 4, cmyk),
                                  Compress(32, 16, JCS_GRAYSCALE, 1, grey)};
  struct Layout {
    PixelLayout layout;
    int red, green, blue, filler;
  };
  const Layout layouts[] = {{PixelLayout::Bgrx, 2, 1, 0, 3}, {PixelLayout::Xrgb, 1, 2, 3, 0}};
  constexpr int kStride = 32 * 4 + 8;  // rows with room to spare, which must stay untouched
  for (const std::string& jpeg : pictures) {
    const RgbPicture expected = DecodeJpeg(jpeg);
    for (const Layout& l : layouts) {
      std::vector<unsigned char> memory(16 * kStride, 7);
      DecodeJpegInto(jpeg, l.layout, [&](int width, int height) {
        EXPECT_EQ(width, 32);
        EXPECT_EQ(height, 16);
        return PixelRows{memory.data(), kStride};
      });
      for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 32; ++x) {
          const unsigned char* in = &expected.rgb[static_cast<size_t>(y * 32 + x) * 3];
          const unsigned char* out = &memory[static_cast<size_t>(y * kStride + x * 4)];
          ASSERT_EQ((std::vector<int>{out[l.red], out[l.green], out[l.blue], out[l.filler]}),
                    (std::vector<int>{in[0], in[1], in[2], 255}))
              << "pixel " << x << "," << y << " layout " << static_cast<int>(l.layout);
        }
        for (int spare = 32 * 4; spare < kStride; ++spare) ASSERT_EQ(memory[y * kStride + spare], 7);
      }
    }
  }
}

TEST(JpegPicture, ReportsTheLibraryErrorNumber) {
  const std::string jpeg = QuartersJpeg();
  struct Case {
    const char* what;
    std::string bytes;
    int code;
  };
  const Case cases[] = {
      {"empty", "", JERR_INPUT_EMPTY},
      {"PNG header", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), JERR_NO_SOI},
      {"text", "not a picture at all", JERR_NO_SOI},
      {"second byte flipped", std::string(1, jpeg[0]) + char(~jpeg[1]) + jpeg.substr(2),
       JERR_NO_SOI},
      // Truncation anywhere, from inside the first marker to just before the end marker.
      {"1 byte", jpeg.substr(0, 1), JWRN_JPEG_EOF},
      {"2 bytes", jpeg.substr(0, 2), JWRN_JPEG_EOF},
      {"inside the tables", jpeg.substr(0, 100), JWRN_JPEG_EOF},
      {"half", jpeg.substr(0, jpeg.size() / 2), JWRN_JPEG_EOF},
      {"without end marker", jpeg.substr(0, jpeg.size() - 2), JWRN_JPEG_EOF},
  };
  for (const Case& c : cases) EXPECT_EQ(DecodeFailure(c.bytes), ErrorText(c.code)) << c.what;
}

TEST(JpegPicture, RefusesHugeDimensionsBeforeAllocating) {
  std::string jpeg = QuartersJpeg();
  const size_t frame = jpeg.find("\xFF\xC0");
  ASSERT_NE(frame, std::string::npos);
  // Frame header: marker, length (2), precision (1), height (2), width (2).
  for (size_t i : {frame + 5, frame + 7}) jpeg[i] = char(0xEA), jpeg[i + 1] = char(0x60);  // 60000
  EXPECT_EQ(DecodeFailure(jpeg), ErrorText(JERR_IMAGE_TOO_BIG));
}

TEST(JpegPicture, SurvivesAnyFlippedByte) {
  const std::string jpeg = QuartersJpeg();
  int refused = 0;
  for (size_t i = 0; i < jpeg.size(); ++i) {
    std::string damaged = jpeg;
    damaged[i] = char(~damaged[i]);
    try {
      const RgbPicture picture = DecodeJpeg(damaged);
      EXPECT_EQ(picture.rgb.size(), size_t(picture.width) * size_t(picture.height) * 3)
          << "byte " << i;
    } catch (const JpegError& error) {
      EXPECT_EQ(std::string(error.what()).rfind("JPEG error #", 0), 0u) << "byte " << i;
      ++refused;
    }
  }
  EXPECT_GT(refused, 0);
}

TEST(JpegPicture, MissingFileIsAnOpenError) {
  test::TempFolder folder;
  EXPECT_THROW(LoadJpegFile(folder / "Fondo6.jpg"), FileOpenError);
}

}  // namespace
}  // namespace beditor
