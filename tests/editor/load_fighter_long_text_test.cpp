// Text lines longer than a text box's default limit (32767 characters) load whole: the box
// that shows such a line must not cut it and write the cut text back into the record.
#include "editor_fixture.h"

namespace beditor::test {
namespace {

class LoadFighterLongText : public EditorTest {};

TEST_F(LoadFighterLongText, LongTextLinesStayWholeInTheRecordAndTheBoxes) {
  Start();
  auto lines = SampleFighter();
  lines[17] = std::string(40000, 'n');
  lines[25] = std::string(70000, 'd');
  lines[31] = std::string(40000, 't');
  WriteFighter("f.txt", lines);
  Form().LoadFighter(folder_ / "f.txt");
  EXPECT_TRUE(dialogs_.messages.empty()) << dialogs_.Texts().join('|').toStdString();
  // Compared whole, reported by length: the lines are too long to print.
  for (int line : {17, 25, 31}) {
    EXPECT_EQ(Line(line).size(), lines[line].size()) << "line " << line;
    EXPECT_TRUE(Line(line) == lines[line]) << "line " << line;
  }
  EXPECT_EQ(Edit("edNombre")->text().size(), 40000);
  EXPECT_EQ(Edit("lbFechaNac")->text().size(), 70000);
  EXPECT_EQ(Combo("cbTeam")->currentText().size(), 40000);
}

}  // namespace
}  // namespace beditor::test
