#pragma once
// A shown window holding one stat spin box and a plain line edit to take the focus away;
// every OnChange and every beep is recorded.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>
#include <QWheelEvent>
#include <QWidget>
#include <functional>
#include <vector>

#include "widgets/stat_spin_arrows.h"
#include "widgets/stat_spin_edit.h"
#include "widgets/system_beep.h"

namespace beditor::test {

class StatSpinTest : public ::testing::Test {
 public:
  StatSpinTest() {
    window.resize(200, 120);
    box = new StatSpinEdit(&window);
    box->move(20, 20);
    neighbour = new QLineEdit(&window);
    neighbour->setGeometry(20, 60, 100, 21);
    box->OnChange = [this](StatSpinEdit* sender) {
      EXPECT_EQ(sender, box);
      reports.push_back(sender->Value());
    };
    previousBeep_ = SetBeepHandler([this] { ++beeps; });
    window.show();
    window.activateWindow();
    (void)QTest::qWaitForWindowActive(&window);
  }

  ~StatSpinTest() override { SetBeepHandler(previousBeep_); }

  // The box focused and showing `text`, with the caret at `caret` or, for -1, the whole
  // text selected; what was reported and beeped on the way is forgotten.
  void Prepare(const QString& text, int caret = -1) {
    box->setText(text);
    FocusBox();
    if (caret < 0) {
      box->selectAll();
    } else {
      box->setCursorPosition(caret);
    }
    reports.clear();
    beeps = 0;
  }

  void FocusBox() {
    box->setFocus(Qt::OtherFocusReason);
    ASSERT_TRUE(box->hasFocus());
  }

  // Types characters that have no key of their own on a US keyboard.
  void TypeText(const QString& text) {
    for (const QChar c : text) {
      QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
  }

  void Wheel(int rotation) {
    const QPointF at(10, 10);
    QWheelEvent wheel(at, box->mapToGlobal(at), QPoint(), QPoint(0, rotation), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(box, &wheel);
  }

  QToolButton* UpArrow() const { return box->Arrows()->UpArrow(); }
  QToolButton* DownArrow() const { return box->Arrows()->DownArrow(); }

  QWidget window;
  StatSpinEdit* box = nullptr;
  QLineEdit* neighbour = nullptr;
  std::vector<double> reports;
  int beeps = 0;

 private:
  std::function<void()> previousBeep_;
};

}  // namespace beditor::test
