#include "files/jpeg_picture.h"

#include <csetjmp>
#include <cstdio>

// After <cstdio>: the library's header uses FILE and size_t without including them.
#include <jerror.h>
#include <jpeglib.h>

#include "files/file_access.h"
#include "files/file_errors.h"

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

// Reads the header and fixes the output format. Returns 0 or the library's error number.
int ReadHeader(Decoder* decoder, const unsigned char* bytes, unsigned long size) {
  jpeg_decompress_struct* info = &decoder->info;
  if (setjmp(decoder->error.jump)) return decoder->error.code;
  jpeg_create_decompress(info);
  jpeg_mem_src(info, bytes, size);
  jpeg_read_header(info, TRUE);
  // CMYK cannot be turned into RGB by the library; those pictures come out as CMYK and
  // are converted below.
  const bool cmyk = info->jpeg_color_space == JCS_CMYK || info->jpeg_color_space == JCS_YCCK;
  info->out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
  jpeg_calc_output_dimensions(info);
  return 0;
}

// Decodes every row into `pixels` (output_width * output_components bytes per row).
int ReadPixels(Decoder* decoder, unsigned char* pixels) {
  jpeg_decompress_struct* info = &decoder->info;
  if (setjmp(decoder->error.jump)) return decoder->error.code;
  jpeg_start_decompress(info);
  const size_t stride = static_cast<size_t>(info->output_width) * info->output_components;
  while (info->output_scanline < info->output_height) {
    JSAMPROW row = pixels + stride * info->output_scanline;
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

// Adobe writes CMYK inverted (0 = full ink), and so does the library whenever it writes an
// Adobe marker; other CMYK files hold plain ink amounts.
void CmykToRgb(const std::vector<unsigned char>& cmyk, bool inverted, RgbPicture& picture) {
  const size_t pixels = cmyk.size() / 4;
  for (size_t i = 0; i < pixels; ++i) {
    const unsigned char* in = &cmyk[i * 4];
    const int k = inverted ? in[3] : 255 - in[3];
    for (int channel = 0; channel < 3; ++channel) {
      const int c = inverted ? in[channel] : 255 - in[channel];
      picture.rgb[i * 3 + channel] = static_cast<unsigned char>((c * k + 127) / 255);
    }
  }
}

}  // namespace

RgbPicture DecodeJpeg(std::string_view bytes) {
  // The library takes the input size as unsigned long, which is 32 bits on Windows.
  if (bytes.size() != static_cast<unsigned long>(bytes.size())) throw JpegError(JERR_IMAGE_TOO_BIG);

  Decoder decoder{};
  decoder.info.err = jpeg_std_error(&decoder.error.manager);
  decoder.error.manager.error_exit = FailDecoding;
  decoder.error.manager.emit_message = EmitMessage;
  // Destroying a never-created decompressor is harmless: its memory pointer is still null.
  DecoderGuard guard(decoder);

  const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
  if (int code = ReadHeader(&decoder, data, static_cast<unsigned long>(bytes.size()))) {
    throw JpegError(code);
  }

  const long long width = decoder.info.output_width;
  const long long height = decoder.info.output_height;
  if (width * height > kMaxJpegPixels) throw JpegError(JERR_IMAGE_TOO_BIG);

  RgbPicture picture;
  picture.width = static_cast<int>(width);
  picture.height = static_cast<int>(height);
  const bool cmyk = decoder.info.out_color_space == JCS_CMYK;
  const int components = decoder.info.output_components;
  if (components != (cmyk ? 4 : 3)) throw JpegError(JERR_CONVERSION_NOTIMPL);
  std::vector<unsigned char> pixels(static_cast<size_t>(width * height) * components);
  if (int code = ReadPixels(&decoder, pixels.data())) throw JpegError(code);

  if (cmyk) {
    picture.rgb.resize(static_cast<size_t>(width * height) * 3);
    CmykToRgb(pixels, decoder.info.saw_Adobe_marker, picture);
  } else {
    picture.rgb = std::move(pixels);
  }
  return picture;
}

RgbPicture LoadJpegFile(const std::filesystem::path& path) {
  return DecodeJpeg(ReadWholeFile(path));
}

}  // namespace beditor
