// A fighter file whose text lines hold control bytes, SUB (0x1A) among them, loads into the
// record byte for byte: the text boxes that show those lines write back what they were given.
#include "editor_fixture.h"

namespace beditor::test {
namespace {

class LoadFighterSubByte : public EditorTest {};

TEST_F(LoadFighterSubByte, TextLinesKeepTheirControlBytes) {
  Start();
  auto lines = SampleFighter();
  lines[17] = "Ana\x1A" "de\tSouza\x1B";
  lines[25] = "\x1A" "1990-05-04";
  lines[31] = "Red\x1A" "Corner";
  WriteFighter("f.txt", lines);
  Form().LoadFighter(folder_ / "f.txt");
  EXPECT_TRUE(dialogs_.messages.empty()) << dialogs_.Texts().join('|').toStdString();
  EXPECT_EQ(Line(17), lines[17]);
  EXPECT_EQ(Line(25), lines[25]);
  EXPECT_EQ(Line(31), lines[31]);
}

}  // namespace
}  // namespace beditor::test
