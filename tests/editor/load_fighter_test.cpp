#include "core/fighter_record.h"
#include "editor_fixture.h"

namespace beditor::test {
namespace {

class LoadFighter : public EditorTest {
 protected:
  void SetUp() override { Start(); }
  void Load(const std::vector<std::string>& lines) {
    WriteFighter("f.txt", lines);
    Form().LoadFighter(folder_ / "f.txt");
  }
};

TEST_F(LoadFighter, FillsEveryControlFromItsLine) {
  Load(SampleFighter());
  EXPECT_TRUE(dialogs_.messages.empty()) << dialogs_.Texts().join('|').toStdString();
  EXPECT_EQ(Spin("spPunch")->IntegerValue(), 12);
  EXPECT_EQ(Spin("spKORes")->IntegerValue(), 18);
  EXPECT_EQ(Spin("spGroundGame")->IntegerValue(), 19);
  EXPECT_EQ(Edit("edNombre")->text(), "Ana de Souza");
  EXPECT_EQ(Edit("edNombreCorto")->text(), "Ana");
  EXPECT_EQ(Combo("cbGamePlan")->currentText(), "Punches + Kicks");
  EXPECT_EQ(Combo("cbCatPeso")->currentIndex(), 2);
  EXPECT_EQ(Edit("edEstatura")->text(), "170 cm");
  EXPECT_EQ(Edit("edPeso")->text(), "61 kg");
  EXPECT_EQ(Edit("lbNacionalidad")->text(), "Brasil");
  EXPECT_EQ(Edit("lbFechaNac")->text(), "1990-05-04");
  EXPECT_EQ(Edit("edSherdog")->text(), "12345");
  EXPECT_EQ(Combo("cbGroundGPlan")->currentText(), "Sub + GnP");
  EXPECT_EQ(Combo("cbFancyStrikes")->currentText(), "Sometimes");
  EXPECT_EQ(Combo("cbFancySubs")->currentText(), "Never");
  EXPECT_EQ(Combo("cbTeam")->currentText(), "Red Corner");
  EXPECT_EQ(Combo("cbJuegoSucio")->currentIndex(), 1);
  EXPECT_EQ(Combo("cbClinchGPlan")->currentText(), "Punches+Knees");
  EXPECT_EQ(Form().LoadedCategory(), 2);
  EXPECT_EQ(Form().LoadedPath(), folder_ / "f.txt");
  EXPECT_EQ(Form().FighterLines().Lines(), SampleFighter());
}

TEST_F(LoadFighter, ShortFileIsPaddedWithZeros) {
  const auto sample = SampleFighter();
  const std::vector<std::string> lines(sample.begin(), sample.begin() + 15);
  Load(lines);
  EXPECT_EQ(Form().FighterLines().LineCount(), 35);
  EXPECT_EQ(Line(34), "0");
  EXPECT_EQ(Spin("spAgressivity")->IntegerValue(), 1);
  EXPECT_EQ(Spin("spKORes")->IntegerValue(), 1);
  EXPECT_EQ(Edit("edNombre")->text(), "0");
  EXPECT_EQ(Combo("cbGamePlan")->currentIndex(), -1);
  EXPECT_EQ(Combo("cbCatPeso")->currentIndex(), 1);
  for (const char* box : {"cbGroundGPlan", "cbFancyStrikes", "cbFancySubs", "cbJuegoSucio", "cbClinchGPlan"})
    EXPECT_EQ(Combo(box)->currentIndex(), 0) << box;
  EXPECT_TRUE(Combo("cbTeam")->currentText().isEmpty());
  // Boxes that already showed 1 report nothing, so their lines keep the file's "0".
  EXPECT_EQ(Line(15), "0");
}

TEST_F(LoadFighter, OutOfRangeAbilitiesAreWrittenBackOnlyWhenTheBoxChanged) {
  auto lines = SampleFighter();
  lines[5] = "35";
  Spin("spDodge")->SetValue(12);
  Load(lines);
  EXPECT_EQ(Spin("spDodge")->IntegerValue(), 20);
  EXPECT_EQ(Line(5), "20");
  Load(lines);
  EXPECT_EQ(Line(5), "35");

  lines[0] = "05";
  Load(lines);  // the box held 12: "05" is reported and rewritten
  EXPECT_EQ(Line(0), "5");
  Load(lines);  // the box holds 5 already
  EXPECT_EQ(Line(0), "05");
}

TEST_F(LoadFighter, StyleThreeBecomesTwoAndTeamZeroShowsNoTeam) {
  auto lines = SampleFighter();
  lines[32] = "3";
  lines[31] = "0";
  Load(lines);
  EXPECT_EQ(Line(32), "2");
  EXPECT_EQ(Combo("cbJuegoSucio")->currentIndex(), 2);
  EXPECT_TRUE(Combo("cbTeam")->currentText().isEmpty());
  EXPECT_EQ(Line(31), "0");
}

TEST_F(LoadFighter, LongFilesKeepTheirExtraLines) {
  auto lines = SampleFighter();
  for (int i = 36; i < 40; ++i) lines.push_back("extra " + std::to_string(i));
  Load(lines);
  EXPECT_EQ(Form().FighterLines().Lines(), lines);
}

TEST_F(LoadFighter, EmptyFileGivesZeroLines) {
  Load({});
  EXPECT_EQ(Form().FighterLines().Lines(), std::vector<std::string>(35, "0"));
  EXPECT_EQ(Spin("spPunch")->IntegerValue(), 1);
  EXPECT_EQ(Edit("edNombreCorto")->text(), "0");
}

TEST_F(LoadFighter, AFailedLoadChangesNothing) {
  Load(SampleFighter());
  const auto recordBefore = Form().FighterLines().Lines();
  const std::vector<std::vector<std::string>> broken = [] {
    std::vector<std::vector<std::string>> files;
    for (int line : {0, 16, 19, 20, 23, 27, 33, 32}) {
      auto lines = SampleFighter();
      lines[static_cast<std::size_t>(line)] = line == 0 ? "abc" : line == 16 ? "" : "1 ";
      files.push_back(lines);
    }
    return files;
  }();
  for (const auto& lines : broken) {
    dialogs_.Clear();
    auto changed = lines;
    changed[17] = "Someone Else";
    WriteFighter("bad.txt", changed);
    Form().LoadFighter(folder_ / "bad.txt");
    EXPECT_EQ(dialogs_.Texts(), QStringList{"El luchador no se ha cargado correctamente"});
    EXPECT_EQ(dialogs_.messages[0].kind, ShownMessage::Plain);
    EXPECT_EQ(Form().FighterLines().Lines(), recordBefore);
    EXPECT_EQ(Edit("edNombre")->text(), "Ana de Souza");
    EXPECT_EQ(Form().LoadedPath(), folder_ / "f.txt");
    EXPECT_EQ(Form().LoadedCategory(), 2);
  }
  dialogs_.Clear();
  Form().LoadFighter(folder_ / "missing.txt");
  Form().LoadFighter(folder_.Path());
  EXPECT_EQ(dialogs_.messages.size(), 2u);
  EXPECT_EQ(Form().FighterLines().Lines(), recordBefore);
}

TEST_F(LoadFighter, OutOfRangeChoicesSelectNothing) {
  auto lines = SampleFighter();
  lines[19] = "7";
  lines[20] = "2147483647";
  lines[27] = "-1";
  lines[33] = "$FFFF";
  Load(lines);
  EXPECT_TRUE(dialogs_.messages.empty());
  EXPECT_EQ(Combo("cbGamePlan")->currentIndex(), -1);
  EXPECT_EQ(Combo("cbCatPeso")->currentIndex(), -1);
  EXPECT_EQ(Combo("cbGroundGPlan")->currentIndex(), -1);
  EXPECT_EQ(Combo("cbClinchGPlan")->currentIndex(), -1);
  EXPECT_EQ(Form().LoadedCategory(), -2147483647 - 1);
}

TEST_F(LoadFighter, TextOfEveryWindows1252ByteSurvivesTheRoundTrip) {
  auto lines = SampleFighter();
  std::string all;
  for (int byte = 0x20; byte <= 0xFF; ++byte) all += static_cast<char>(byte);
  lines[17] = all;
  Load(lines);
  EXPECT_EQ(Line(17), all);
}

}  // namespace
}  // namespace beditor::test
