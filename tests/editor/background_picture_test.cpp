// The background picture decoded ahead on a worker thread: the editor must get the same
// pixels and the same errors as from decoding it itself, and only for the folder it was
// decoded for.
#include <gtest/gtest.h>

#include "editor/background_picture.h"
#include "files/file_access.h"
#include "files/file_errors.h"
#include "files/jpeg_picture.h"
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

// The prefetch reads the running program's folder: here the test binary's.
class BackgroundPrefetch : public ::testing::Test {
 protected:
  void TearDown() override { std::filesystem::remove(ownPicture_); }

  const TempFolder other_ = TempFolder::WithProgramFiles();
  const std::filesystem::path ownPicture_ = ProgramFolder() / "Fondo6.jpg";
};

TEST_F(BackgroundPrefetch, DecodesThePictureIntoTheScreensFormat) {
  const QImage picture = DecodeBackground(other_.Path());
  EXPECT_EQ(picture.format(), QImage::Format_RGB32);
  EXPECT_EQ(picture.size(), QSize(844, 386));
  EXPECT_EQ(picture, Expected(other_ / "Fondo6.jpg"));
}

TEST_F(BackgroundPrefetch, HandsItsPictureOverOnceAndOnlyForItsFolder) {
  const std::filesystem::path built = std::filesystem::path(BEDITOR_PROGRAM_DIR) / "Fondo6.jpg";
  // The earlier work puts the picture in place: the decoding must come after it.
  PrefetchBackground([this, built] {
    std::filesystem::copy_file(built, ownPicture_, std::filesystem::copy_options::overwrite_existing);
  });
  // Another folder never takes the prefetched result.
  WriteBytes(other_ / "Fondo6.jpg", "not a picture");
  EXPECT_THROW(TakeBackground(other_.Path()), JpegError);

  EXPECT_EQ(TakeBackground(ProgramFolder()), Expected(built));
  // Taken once: the next call decodes the folder's file as it is now.
  std::filesystem::remove(ownPicture_);
  EXPECT_THROW(TakeBackground(ProgramFolder()), FileOpenError);
}

TEST_F(BackgroundPrefetch, AnErrorOfThePrefetchReachesTheTaker) {
  std::filesystem::remove(ownPicture_);
  PrefetchBackground();
  try {
    TakeBackground(ProgramFolder());
    FAIL() << "a missing picture was decoded";
  } catch (const FileOpenError& error) {
    EXPECT_NE(std::string(error.what()).find(ownPicture_.string()), std::string::npos) << error.what();
  }
}

}  // namespace
}  // namespace beditor::test
