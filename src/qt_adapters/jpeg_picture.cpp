#include "qt_adapters/jpeg_picture.h"

#include <csetjmp>
#include <cstdio>

// After <cstdio>: the library's header uses FILE and size_t without including them.
#include <jerror.h>
#include <jpeglib.h>

#include "core/file_access.h"
#include "core/file_errors.h"

namespace beditor {
namespace {

// The library reports a fatal error by calling error_exit, which must not return. We leave
// with longjmp back to the setjmp of the current step. Each step is a function holding only
// plain C data, so the jump skips no destructor; the C++ parts run between the steps.
struct ErrorExit {
  jpeg_error_mgr manager;  // first member: the library hands us a pointer to it
  std::jmp_buf jump;
  int code;
};

void FailDecoding(j_common_ptr info) {
  auto* exit = reinterpret_cast<ErrorExit*>(info->err);
  exit->code = info->err->msg_code;
  std::longjmp(exit->jump, 1);
}

// Level -1 is a corrupt-data warning (premature end of file, bad Huffman code…): the
// library would carry on with grey filler, we stop instead. Trace messages are ignored.
void EmitMessage(j_common_ptr info, int level) {
  if (level < 0) FailDecoding(info);
}

struct Decoder {
  jpeg_decompress_struct info;
  ErrorExit error;
};

// Reads the header and fixes the output format: `rgbSpace` for every picture but CMYK ones.
// Returns 0 or the library's error number.
int ReadHeader(Decoder* decoder, const unsigned char* bytes, unsigned long size,
               J_COLOR_SPACE rgbSpace) {
  jpeg_decompress_struct* info = &decoder->info;
  if (setjmp(decoder->error.jump)) return decoder->error.code;
  jpeg_create_decompress(info);
  jpeg_mem_src(info, bytes, size);
  jpeg_read_header(info, TRUE);
  // CMYK cannot be turned into RGB by the library; those pictures come out as CMYK and
  // are converted below.
  const bool cmyk = info->jpeg_color_space == JCS_CMYK || info->jpeg_color_space == JCS_YCCK;
  info->out_color_space = cmyk ? JCS_CMYK : rgbSpace;
  jpeg_calc_output_dimensions(info);
  return 0;
}

// Decodes every row, row y to first + y * stride.
int ReadPixels(Decoder* decoder, unsigned char* first, std::ptrdiff_t stride) {
  jpeg_decompress_struct* info = &decoder->info;
  if (setjmp(decoder->error.jump)) return decoder->error.code;
  jpeg_start_decompress(info);
  while (info->output_scanline < info->output_height) {
    JSAMPROW row = first + stride * static_cast<std::ptrdiff_t>(info->output_scanline);
    jpeg_read_scanlines(info, &row, 1);
  }
  jpeg_finish_decompress(info);
  return 0;
}

// Frees the library's memory on every way out, error or not.
class DecoderGuard {
 public:
  explicit DecoderGuard(Decoder& decoder) : decoder_(decoder) {}
  ~DecoderGuard() { jpeg_destroy_decompress(&decoder_.info); }
  DecoderGuard(const DecoderGuard&) = delete;
  DecoderGuard& operator=(const DecoderGuard&) = delete;

 private:
  Decoder& decoder_;
};

// Where red, green and blue lie in a pixel of a layout, and its size.
struct LayoutBytes {
  int size, red, green, blue, filler;  // filler -1: none
};

LayoutBytes BytesOf(PixelLayout layout) {
  switch (layout) {
    case PixelLayout::Bgrx: return {4, 2, 1, 0, 3};
    case PixelLayout::Xrgb: return {4, 1, 2, 3, 0};
    case PixelLayout::Rgb: break;
  }
  return {3, 0, 1, 2, -1};
}

// The library's own output format for a layout, when it has one: the picture is then
// decoded in place with nothing to convert.
J_COLOR_SPACE LibrarySpace(PixelLayout layout) {
#ifdef JCS_ALPHA_EXTENSIONS
  if (layout == PixelLayout::Bgrx) return JCS_EXT_BGRA;
  if (layout == PixelLayout::Xrgb) return JCS_EXT_ARGB;
#endif
  return layout == PixelLayout::Rgb ? JCS_RGB : JCS_UNKNOWN;
}

// Adobe writes CMYK inverted (0 = full ink), and so does the library whenever it writes an
// Adobe marker; other CMYK files hold plain ink amounts.
void CmykToRgb(const unsigned char* cmyk, bool inverted, unsigned char* rgb) {
  const int k = inverted ? cmyk[3] : 255 - cmyk[3];
  for (int channel = 0; channel < 3; ++channel) {
    const int c = inverted ? cmyk[channel] : 255 - cmyk[channel];
    rgb[channel] = static_cast<unsigned char>((c * k + 127) / 255);
  }
}

// Writes decoded samples (RGB or CMYK, packed rows) into the caller's rows and layout.
void CopySamples(const std::vector<unsigned char>& samples, int width, int height, bool cmyk,
                 bool inverted, const PixelRows& rows, const LayoutBytes& layout) {
  const int components = cmyk ? 4 : 3;
  const unsigned char* in = samples.data();
  for (int y = 0; y < height; ++y) {
    unsigned char* out = rows.first + rows.stride * y;
    for (int x = 0; x < width; ++x, in += components, out += layout.size) {
      unsigned char rgb[3] = {in[0], in[1], in[2]};
      if (cmyk) CmykToRgb(in, inverted, rgb);
      out[layout.red] = rgb[0];
      out[layout.green] = rgb[1];
      out[layout.blue] = rgb[2];
      if (layout.filler >= 0) out[layout.filler] = 255;
    }
  }
}

}  // namespace

void DecodeJpegInto(std::string_view bytes, PixelLayout layout,
                    const std::function<PixelRows(int width, int height)>& rows) {
  // The library takes the input size as unsigned long, which is 32 bits on Windows.
  if (bytes.size() != static_cast<unsigned long>(bytes.size())) throw JpegError(JERR_IMAGE_TOO_BIG);

  Decoder decoder{};
  decoder.info.err = jpeg_std_error(&decoder.error.manager);
  decoder.error.manager.error_exit = FailDecoding;
  decoder.error.manager.emit_message = EmitMessage;
  // Destroying a never-created decompressor is harmless: its memory pointer is still null.
  DecoderGuard guard(decoder);

  const J_COLOR_SPACE direct = LibrarySpace(layout);
  const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
  if (int code = ReadHeader(&decoder, data, static_cast<unsigned long>(bytes.size()),
                            direct == JCS_UNKNOWN ? JCS_RGB : direct)) {
    throw JpegError(code);
  }

  const long long width = decoder.info.output_width;
  const long long height = decoder.info.output_height;
  if (width * height > kMaxJpegPixels) throw JpegError(JERR_IMAGE_TOO_BIG);

  const bool cmyk = decoder.info.out_color_space == JCS_CMYK;
  const LayoutBytes target = BytesOf(layout);
  const bool inPlace = !cmyk && direct != JCS_UNKNOWN;
  const int components = decoder.info.output_components;
  if (components != (cmyk ? 4 : inPlace ? target.size : 3))
    throw JpegError(JERR_CONVERSION_NOTIMPL);

  const PixelRows destination = rows(static_cast<int>(width), static_cast<int>(height));
  if (inPlace) {
    if (int code = ReadPixels(&decoder, destination.first, destination.stride))
      throw JpegError(code);
    return;
  }
  std::vector<unsigned char> samples(static_cast<size_t>(width * height) * components);
  const auto packed = static_cast<std::ptrdiff_t>(width) * components;
  if (int code = ReadPixels(&decoder, samples.data(), packed)) throw JpegError(code);
  CopySamples(samples, static_cast<int>(width), static_cast<int>(height), cmyk,
              decoder.info.saw_Adobe_marker, destination, target);
}

RgbPicture DecodeJpeg(std::string_view bytes) {
  RgbPicture picture;
  DecodeJpegInto(bytes, PixelLayout::Rgb, [&picture](int width, int height) {
    picture.width = width;
    picture.height = height;
    picture.rgb.resize(static_cast<size_t>(width) * static_cast<size_t>(height) * 3);
    return PixelRows{picture.rgb.data(), static_cast<std::ptrdiff_t>(width) * 3};
  });
  return picture;
}

RgbPicture LoadJpegFile(const std::filesystem::path& path) {
  return DecodeJpeg(ReadWholeFile(path));
}

}  // namespace beditor
