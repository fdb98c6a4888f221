// The background picture decoded ahead on a worker thread: the editor must get the same
// pixels and the same errors as from decoding it itself, and only for the folder it was
// decoded for.
#include <gtest/gtest.h>

#include "editor/background_picture.h"
#include "core/file_errors.h"
#include "qt_adapters/jpeg_picture.h"
#include "support/temp_folder.h"

namespace beditor::test {
namespace {

// The picture as the plain decoder gives it, in the screen's format.
QImage Expected(const std::filesystem::path& file) {
  const RgbPicture picture = LoadJpegFile(file);
  QImage image(picture.width, picture.height, QImage::Format_RGB32);
  for (int y = 0; y < picture.height; ++y) {
    for (int x = 0; x < picture.width; ++x) {
      const unsigned char* rgb = &picture.rgb[(static_cast<size_t>(y) * picture.width + x) * 3];
      image.setPixel(x, y, qRgb(rgb[0], rgb[1], rgb[2]));
    }
  }
  return image;
}

const std::filesystem::path kBuiltPicture = std::filesystem::path(BEDITOR_PROGRAM_DIR) / "Fondo6.jpg";

TEST(BackgroundPicture, IsDecodedIntoTheScreensFormat) {
  const TempFolder folder = TempFolder::WithProgramFiles();
  const QImage picture = DecodeBackground(folder.Path());
  EXPECT_EQ(picture.format(), QImage::Format_RGB32);
  EXPECT_EQ(picture.size(), QSize(844, 386));
  EXPECT_EQ(picture, Expected(kBuiltPicture));
}

TEST(BackgroundPicture, PrefetchRunsTheEarlierWorkFirstAndHandsItsPictureOverOnce) {
  const TempFolder own;
  const TempFolder other = TempFolder::WithProgramFiles();
  // The earlier work puts the picture in place: the decoding must come after it.
  PrefetchBackground(own.Path(), [&own] { std::filesystem::copy_file(kBuiltPicture, own / "Fondo6.jpg"); });
  // Another folder never takes the prefetched result.
  WriteBytes(other / "Fondo6.jpg", "not a picture");
  EXPECT_THROW(TakeBackground(other.Path()), JpegError);

  EXPECT_EQ(TakeBackground(own.Path()), Expected(kBuiltPicture));
  // Taken once: the next call decodes the folder's file as it is now.
  std::filesystem::remove(own / "Fondo6.jpg");
  EXPECT_THROW(TakeBackground(own.Path()), FileOpenError);
}

TEST(BackgroundPicture, AnErrorOfThePrefetchReachesTheTaker) {
  const TempFolder own;
  PrefetchBackground(own.Path());
  try {
    TakeBackground(own.Path());
    FAIL() << "a missing picture was decoded";
  } catch (const FileOpenError& error) {
    EXPECT_NE(std::string(error.what()).find((own / "Fondo6.jpg").string()), std::string::npos) << error.what();
  }
}

}  // namespace
}  // namespace beditor::test
