#include <gtest/gtest.h>

#include "qt_adapters/error_box.h"
#include "core/file_access.h"
#include "core/file_errors.h"
#include "support/fake_dialogs.h"
#include "support/temp_folder.h"

namespace beditor {
namespace {

TEST(ErrorBoxText, AddsAFullStopOnlyAfterBytesAboveIt) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"Stream write error", "Stream write error."},
      {"List index out of bounds (3)", "List index out of bounds (3)"},
      {"'x' is not a valid integer value", "'x' is not a valid integer value."},
      {"ends.", "ends."}, {"ends ", "ends "}, {"ends'", "ends'"}, {"ends\"", "ends\""},
      {"ends/", "ends/."}, {"digit 7", "digit 7."}, {"", ""},
  };
  for (const auto& [message, shown] : cases) EXPECT_EQ(ErrorBoxText(message), shown) << message;
}

TEST(ErrorBox, GuardShowsTheErrorTitledBEditorWithTheErrorIcon) {
  test::FakeDialogs dialogs;
  bool after = false;
  RunGuarded(dialogs, [&] {
    throw StreamWriteError();
    after = true;
  });
  EXPECT_FALSE(after);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, "Stream write error.");
  EXPECT_EQ(dialogs.messages[0].caption, "BEditor");
  EXPECT_EQ(dialogs.messages[0].flags, 0x10u);
}

TEST(ErrorBox, MissingFileMessageReadsAsOneSentence) {
  test::TempFolder folder;
  test::FakeDialogs dialogs;
  RunGuarded(dialogs, [&] { ReadWholeFile(folder / "Config.txt"); });
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text.toStdString(),
            "Cannot open file \"" + (folder / "Config.txt").string() + "\". " + test::MissingFileText() + ".");
}

TEST(SystemText, TrimsTrailingBlanksControlsAndFullStops) {
  EXPECT_EQ(TrimSystemText("The system cannot find the file specified.\r\n"),
            "The system cannot find the file specified");
  EXPECT_EQ(TrimSystemText(" .. \t"), "");
  EXPECT_EQ(TrimSystemText("a.b"), "a.b");
}

}  // namespace
}  // namespace beditor
