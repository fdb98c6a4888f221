#include "editor_fixture.h"
#include "evaluation/evaluation_window.h"

namespace beditor::test {
namespace {

using LanguageToggle = EditorTest;

TEST_F(LanguageToggle, SwitchesTheCodeKeepingEveryOtherLine) {
  Write("Config.txt", "EN\r\nsecond line\r\n");
  StartShown();
  Form().ToggleLanguage();
  EXPECT_EQ(ReadBytes(folder_ / "Config.txt"), "ES\r\nsecond line\r\n");
  ASSERT_EQ(dialogs_.messages.size(), 1u);
  EXPECT_EQ(dialogs_.messages[0].text,
            QString::fromUtf8("Idioma cambiado a castellano. Debe reiniciar la aplicación para ver los cambios"));
  EXPECT_EQ(dialogs_.messages[0].caption, "Cambio de idioma");
  EXPECT_EQ(dialogs_.messages[0].flags, 0u);

  QTest::mouseClick(Find<QWidget>("imIdioma"), Qt::LeftButton);
  EXPECT_EQ(ReadBytes(folder_ / "Config.txt"), "EN\r\nsecond line\r\n");
  EXPECT_EQ(dialogs_.messages[1].text,
            "Languaje set to english. You must restart the apllication in order to changes to take effect");
  EXPECT_EQ(dialogs_.messages[1].caption, "Languaje change");
  EXPECT_EQ(Label("Label2")->text(), "Punches") << "captions change at the next start only";
}

TEST_F(LanguageToggle, AnythingButENBecomesEN) {
  Write("Config.txt", "es\r\n");
  Write("es-Translation.txt", ReadBytes(folder_ / "ES-Translation.txt"));
  Write("es-estilo.txt", ReadBytes(folder_ / "ES-estilo.txt"));
  StartShown();
  ASSERT_TRUE(dialogs_.messages.empty());
  Form().ToggleLanguage();
  EXPECT_EQ(ReadBytes(folder_ / "Config.txt"), "EN\r\n");
}

TEST_F(LanguageToggle, ListsMissingAfterAnEarlyStopGiveTheIndexErrorNotACrash) {
  Remove("Fondo6.jpg");
  StartShown();
  dialogs_.Clear();
  EvaluationWindow evaluation(Form().Abilities(), Form().CaptionLines(), dialogs_, &Form());
  Form().SetEvaluationWindow(&evaluation);
  Button("CmdButton1")->Click();
  Button("CmdButton5")->Click();
  QTest::mouseClick(Find<QWidget>("imIdioma"), Qt::LeftButton);
  EXPECT_EQ(dialogs_.Texts(), (QStringList{"List index out of bounds (85)", "List index out of bounds (78)",
                                           "List index out of bounds (0)"}));
  EXPECT_TRUE(evaluation.isVisible());
}

}  // namespace
}  // namespace beditor::test
