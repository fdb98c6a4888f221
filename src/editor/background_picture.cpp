#include "editor/background_picture.h"

#include <QSysInfo>
#include <future>
#include <mutex>
#include <new>
#include <optional>
#include <system_error>
#include <utility>

#include "core/file_access.h"
#include "qt_adapters/jpeg_picture.h"

namespace beditor {
namespace {

constexpr const char* kBackgroundFile = "Fondo6.jpg";

struct Prefetch {
  std::filesystem::path programFolder;
  std::future<QImage> picture;
};

std::mutex prefetchLock;
std::optional<Prefetch> prefetch;

}  // namespace

QImage DecodeBackground(const std::filesystem::path& programFolder) {
  // Decoded straight into the pixmap's own format: no second copy of the picture to fill
  // and convert.
  constexpr PixelLayout kRgb32 =
      QSysInfo::ByteOrder == QSysInfo::LittleEndian ? PixelLayout::Bgrx : PixelLayout::Xrgb;
  QImage image;
  const auto rows = [&image](int width, int height) {
    image = QImage(width, height, QImage::Format_RGB32);
    if (image.isNull()) throw std::bad_alloc();
    return PixelRows{image.bits(), image.bytesPerLine()};
  };
  DecodeJpegInto(ReadWholeFile(programFolder / kBackgroundFile), kRgb32, rows);
  return image;
}

void PrefetchBackground(const std::filesystem::path& programFolder,
                        const std::function<void()>& first) {
  const std::lock_guard lock(prefetchLock);
  try {
    prefetch = Prefetch{programFolder, std::async(std::launch::async, [first, programFolder] {
                          if (first) first();
                          return DecodeBackground(programFolder);
                        })};
  } catch (const std::system_error&) {
    // No thread to be had: the editor window decodes the picture itself.
  }
}

QImage TakeBackground(const std::filesystem::path& programFolder) {
  std::optional<Prefetch> started;
  {
    const std::lock_guard lock(prefetchLock);
    if (prefetch && prefetch->programFolder == programFolder)
      started = std::exchange(prefetch, std::nullopt);
  }
  return started ? started->picture.get() : DecodeBackground(programFolder);
}

}  // namespace beditor
