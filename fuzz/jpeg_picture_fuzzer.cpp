// The background picture decoder: any bytes give either a whole picture or the program's
// own JPEG error, never a crash, a leak or a half-filled picture.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/file_errors.h"
#include "qt_adapters/jpeg_picture.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace beditor;
  try {
    const RgbPicture picture = DecodeJpeg(std::string_view(reinterpret_cast<const char*>(data), size));
    FUZZ_CHECK(picture.width > 0 && picture.height > 0);
    FUZZ_CHECK(static_cast<long long>(picture.width) * picture.height <= kMaxJpegPixels);
    FUZZ_CHECK(picture.rgb.size() == static_cast<std::size_t>(picture.width) * picture.height * 3);
  } catch (const JpegError& error) {
    FUZZ_CHECK(std::string_view(error.what()).starts_with("JPEG error #"));
  }
  // Any other exception escapes and ends the run as a finding.
  return 0;
}
