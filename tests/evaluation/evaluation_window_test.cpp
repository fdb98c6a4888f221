// The evaluation window: what it reads and shows when opened, what it leaves alone while
// open, how a short caption table is reported, and where it is placed.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QScreen>
#include <QtTest/QTest>
#include <memory>

#include "evaluation/evaluation_window.h"
#include "core/line_list.h"
#include "support/fake_dialogs.h"
#include "widgets/gradient_bar.h"
#include "widgets/stat_spin_edit.h"

namespace beditor {
namespace {

// A caption table: line n reads "line n", except the evaluation window's lines 78 .. 84.
LineList CaptionTable(int lineCount) {
  std::vector<std::string> lines;
  for (int n = 0; n < lineCount; ++n) lines.push_back("line " + std::to_string(n));
  const char* const captions[] = {"Evaluar", "Ground", "Striking", "Defensa t\xe9""cnica",
                                  "Fitness", "Mental", "Overall"};
  for (int n = 78; n <= 84 && n < lineCount; ++n) lines[n] = captions[n - 78];
  return LineList(std::move(lines));
}

class EvaluationWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    editor_ = std::make_unique<QWidget>();
    editor_->setGeometry(120, 90, 844, 386);
    for (StatSpinEdit*& box : boxes_) box = new StatSpinEdit(editor_.get());
    editor_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(editor_.get()));
  }

  void MakeForm(int captionLines = 116) {
    captions_ = CaptionTable(captionLines);
    form_ = new EvaluationWindow(Boxes(), captions_, dialogs_, editor_.get());
  }

  AbilityBoxes Boxes() const {
    const auto& b = boxes_;
    return {b[0], b[1], b[2], b[3], b[4], b[5], b[6], b[7], b[8],
            b[9], b[10], b[11], b[12], b[13], b[14], b[15], b[16], b[17]};
  }
  // Boxes by name, in the order of AbilityBoxes.
  StatSpinEdit* spPunch() { return boxes_[0]; }
  StatSpinEdit* spTD() { return boxes_[7]; }

  // The fighter whose exact Overall is a half that extended precision puts below it.
  void EnterPrecisionFighter() {
    const int values[18] = {6, 5, 2, 5, 2, 20, 2, 20, 20, 20, 10, 19, 2, 2, 2, 2, 2, 8};
    for (int i = 0; i < 18; ++i) boxes_[i]->SetValue(values[i]);
  }

  std::vector<int> Fills() const {
    std::vector<int> fills;
    for (GradientBar* bar : Bars()) fills.push_back(bar->Gradient.PercentFilling());
    return fills;
  }
  QStringList Captions() const {
    QStringList captions;
    for (GradientBar* bar : Bars()) captions << bar->Caption();
    return captions;
  }
  std::vector<GradientBar*> Bars() const {
    return {form_->groundBar, form_->strikingBar, form_->defenseBar,
            form_->fitnessBar, form_->mentalBar, form_->overallBar};
  }

  std::unique_ptr<QWidget> editor_;
  std::array<StatSpinEdit*, 18> boxes_{};
  LineList captions_;
  test::FakeDialogs dialogs_;
  EvaluationWindow* form_ = nullptr;  // owned by the editor window
};

TEST_F(EvaluationWindowTest, IsAHiddenBlackToolWindowWithSixBars) {
  MakeForm();
  EXPECT_FALSE(form_->isVisible());
  EXPECT_TRUE(form_->isWindow());
  EXPECT_EQ(form_->windowType(), Qt::Tool);
  EXPECT_TRUE(form_->windowFlags() & Qt::WindowCloseButtonHint);
  EXPECT_FALSE(form_->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
  EXPECT_EQ(form_->windowTitle(), QStringLiteral("Form2"));
  EXPECT_EQ(form_->size(), QSize(294, 148));
  EXPECT_EQ(form_->minimumSize(), form_->maximumSize());
  EXPECT_EQ(form_->palette().color(QPalette::Window), QColor(Qt::black));
  const int tops[] = {8, 28, 48, 68, 88, 117};
  const QStringList designed = {"Ground", "Striking", "Defense", "Fitness", "Mental", "Overall"};
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(Bars()[i]->geometry(), QRect(9, tops[i], 276, 20)) << i;
    EXPECT_EQ(Bars()[i]->Caption(), designed[i]);
  }
  EXPECT_EQ(form_->overallBar->Gradient.FromColor(), QColor(0, 128, 128));
  EXPECT_EQ(form_->overallBar->Gradient.ToColor(), QColor(0, 255, 0));
  EXPECT_EQ(form_->mentalBar->Gradient.FromColor(), QColor(255, 0, 0));
  EXPECT_EQ(form_->mentalBar->Gradient.ToColor(), QColor(255, 255, 0));
}

TEST_F(EvaluationWindowTest, OpeningRatesTheBoxesAndCaptionsTheBars) {
  MakeForm();
  EnterPrecisionFighter();
  // Boxes locked in the JEX editor still count.
  for (int ground : {7, 9, 10, 17}) boxes_[ground]->setEnabled(false);
  form_->Open();
  EXPECT_TRUE(form_->isVisible());
  EXPECT_TRUE(dialogs_.messages.empty());
  EXPECT_EQ(Fills(), (std::vector<int>{72, 27, 98, 10, 10, 43}));
  EXPECT_EQ(form_->windowTitle(), QStringLiteral("Evaluar"));
  EXPECT_EQ(Captions(), (QStringList{"Ground 72%", "Striking 27%", QStringLiteral("Defensa técnica 98%"),
                                     "Fitness 10%", "Mental 10%", "Overall 43%"}));
  QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(form_);
  ASSERT_NE(accessible, nullptr);
  EXPECT_EQ(accessible->text(QAccessible::Name), QStringLiteral("Evaluar"));
}

TEST_F(EvaluationWindowTest, AnOpenWindowDoesNotFollowEditsUntilReopened) {
  MakeForm();
  form_->Open();
  EXPECT_EQ(Fills(), (std::vector<int>{5, 5, 5, 5, 5, 5}));
  spTD()->SetValue(2);
  spPunch()->SetValue(3);
  form_->Open();  // already open: only brought to the front
  EXPECT_EQ(Fills(), (std::vector<int>{5, 5, 5, 5, 5, 5}));
  EXPECT_EQ(form_->groundBar->Caption(), QStringLiteral("Ground 5%"));

  form_->close();
  EXPECT_FALSE(form_->isVisible());
  EXPECT_EQ(Fills(), (std::vector<int>{5, 5, 5, 5, 5, 5}));  // kept while hidden
  form_->Open();
  EXPECT_EQ(Fills(), (std::vector<int>{6, 8, 5, 5, 5, 6}));
  EXPECT_EQ(form_->strikingBar->Caption(), QStringLiteral("Striking 8%"));
}

TEST_F(EvaluationWindowTest, ShortCaptionTableIsReportedAndTheWindowStillShows) {
  MakeForm(80);
  EnterPrecisionFighter();
  form_->Open();
  ASSERT_EQ(dialogs_.messages.size(), 1u);
  EXPECT_EQ(dialogs_.messages[0].text, QStringLiteral("List index out of bounds (80)"));
  EXPECT_EQ(dialogs_.messages[0].caption, QStringLiteral("BEditor"));
  EXPECT_EQ(dialogs_.messages[0].flags, kMessageOk | kMessageIconError);
  EXPECT_TRUE(form_->isVisible());
  EXPECT_EQ(Fills(), (std::vector<int>{72, 27, 98, 10, 10, 43}));
  EXPECT_EQ(form_->windowTitle(), QStringLiteral("Evaluar"));
  EXPECT_EQ(Captions(), (QStringList{"Ground 72%", "Striking", "Defense", "Fitness", "Mental", "Overall"}));
}

TEST_F(EvaluationWindowTest, FirstShowingCentresOverTheEditorLaterOnesKeepThePlace) {
  MakeForm();
  form_->Open();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(form_));
  const QRect editor = editor_->frameGeometry();
  const QRect own = form_->frameGeometry();
  EXPECT_EQ(own.topLeft(), QPoint(editor.left() + (editor.width() - own.width()) / 2,
                                  editor.top() + (editor.height() - own.height()) / 2));

  form_->move(30, 40);
  form_->close();
  editor_->move(300, 200);
  form_->Open();
  EXPECT_EQ(form_->frameGeometry().topLeft(), QPoint(30, 40));
}

TEST_F(EvaluationWindowTest, FirstPlaceIsKeptOnTheDesktop) {
  editor_->move(-700, -300);
  MakeForm();
  form_->Open();
  const QRect desktop = editor_->screen()->availableGeometry();
  EXPECT_EQ(form_->frameGeometry().topLeft(), desktop.topLeft());
}

}  // namespace
}  // namespace beditor
