// The program's icon: the pictures the build draws, the icon the windows get from them and
// when they get it, and the Windows icon made of the same pictures.
#include "desktop/program_icon.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImageReader>
#include <QTest>

#ifdef _WIN32
#include <windows.h>
#endif

#include "editor/editor_window.h"
#include "evaluation/evaluation_window.h"
#include "qt_adapters/path_text.h"
#include "support/fake_dialogs.h"
#include "support/qt_printers.h"
#include "support/temp_folder.h"

namespace beditor {
namespace {

using test::TempFolder;

QList<QSize> AllSizes() {
  QList<QSize> sizes;
  for (int size : kProgramIconSizes) sizes << QSize(size, size);
  return sizes;
}

QImage Picture(const std::filesystem::path& folder, int size) {
  return QImage(ToQString(folder / "icons" / ("beditor_" + std::to_string(size) + ".png")))
      .convertToFormat(QImage::Format_ARGB32);
}

TEST(ProgramIcon, IsMadeOfTheBuiltPicturesOfEverySize) {
  const std::filesystem::path folder = BEDITOR_PROGRAM_DIR;
  const QIcon icon = ProgramIcon(folder);
  ASSERT_EQ(icon.availableSizes(), AllSizes());
  for (int size : kProgramIconSizes) {
    SCOPED_TRACE(size);
    const QImage picture = Picture(folder, size);
    ASSERT_EQ(picture.size(), QSize(size, size));
    // A tile with rounded corners: see-through corners, an opaque middle.
    EXPECT_EQ(qAlpha(picture.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(picture.pixel(size / 2, size / 2)), 255);
    EXPECT_EQ(icon.pixmap(size).toImage().convertToFormat(QImage::Format_ARGB32), picture);
  }
}

TEST(ProgramIcon, MissingPicturesAreLeftOut) {
  TempFolder folder = TempFolder::WithProgramFiles();
  std::filesystem::remove(folder / "icons/beditor_48.png");
  EXPECT_EQ(ProgramIcon(folder.Path()).availableSizes(),
            (QList<QSize>{QSize(16, 16), QSize(32, 32), QSize(256, 256)}));
  std::filesystem::remove_all(folder / "icons");
  EXPECT_TRUE(ProgramIcon(folder.Path()).isNull());
}

TEST(ProgramIcon, TheWindowsGetItRightAfterTheFirstPaint) {
  struct ResetApplicationIcon {
    ~ResetApplicationIcon() { QApplication::setWindowIcon(QIcon()); }
  } reset;
  QApplication::setWindowIcon(QIcon());
  TempFolder folder = TempFolder::WithProgramFiles();
  test::FakeDialogs dialogs;
  EditorWindow editor(folder.Path(), ProgramArguments(folder / "beditor", {"beditor"}), dialogs);
  EvaluationWindow evaluation(editor.Abilities(), editor.CaptionLines(), dialogs, &editor);
  editor.SetEvaluationWindow(&evaluation);

  // Whether the application had an icon when the editor was first painted.
  struct FirstPaint : QObject {
    std::optional<bool> iconSet;
    bool eventFilter(QObject*, QEvent* event) override {
      if (event->type() == QEvent::Paint && !iconSet) iconSet = !QApplication::windowIcon().isNull();
      return false;
    }
  } firstPaint;
  editor.installEventFilter(&firstPaint);

  DeferredProgramIcon icon(folder.Path());
  editor.ShowFirstTime();
  EXPECT_TRUE(QTest::qWaitFor([] { return !QApplication::windowIcon().isNull(); }));
  EXPECT_EQ(firstPaint.iconSet, false);
  EXPECT_EQ(QApplication::windowIcon().availableSizes(), AllSizes());
  for (QWidget* window : {static_cast<QWidget*>(&editor), static_cast<QWidget*>(&evaluation)}) {
    EXPECT_EQ(window->windowIcon().cacheKey(), QApplication::windowIcon().cacheKey())
        << window->objectName().toStdString();
  }
}

#ifndef _WIN32

// The same pictures in the .ico that the Windows resources carry, read back by Qt's own
// icon reader (which the Windows build's Qt leaves out: there the executable is read).
TEST(ProgramIcon, WindowsIconFileHoldsTheSamePictures) {
  QImageReader reader(QStringLiteral(BEDITOR_ICON_ICO), "ico");
  ASSERT_TRUE(reader.canRead()) << reader.errorString().toStdString();
  ASSERT_EQ(reader.imageCount(), static_cast<int>(std::size(kProgramIconSizes)));
  QList<QSize> sizes;
  for (int i = 0; i < reader.imageCount(); ++i) {
    ASSERT_TRUE(reader.jumpToImage(i));
    const QImage image = reader.read().convertToFormat(QImage::Format_ARGB32);
    ASSERT_FALSE(image.isNull()) << i << reader.errorString().toStdString();
    sizes << image.size();
    EXPECT_EQ(image, Picture(BEDITOR_PROGRAM_DIR, image.width())) << image.width();
  }
  EXPECT_EQ(sizes, AllSizes());
}

#else

// The icon in the executable's resources, as Explorer and the taskbar take it: at every size
// the picture the build drew.
TEST(ProgramIcon, TheExecutableCarriesTheSamePictures) {
  const std::wstring program = (std::filesystem::path(BEDITOR_PROGRAM_DIR) / "beditor.exe").wstring();
  const HMODULE module = LoadLibraryExW(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  ASSERT_NE(module, nullptr);
  for (int size : kProgramIconSizes) {
    const auto icon = static_cast<HICON>(LoadImageW(module, L"IDI_ICON1", IMAGE_ICON, size, size, 0));
    ASSERT_NE(icon, nullptr) << size;
    const QImage image = QImage::fromHICON(icon).convertToFormat(QImage::Format_ARGB32);
    DestroyIcon(icon);
    EXPECT_EQ(image, Picture(BEDITOR_PROGRAM_DIR, size)) << size;
  }
  FreeLibrary(module);
}

#endif

}  // namespace
}  // namespace beditor
