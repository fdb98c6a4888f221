#pragma once
// An editor window over a private copy of the program folder, with scripted dialogs.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <memory>

#include "editor/editor_window.h"
#include "core/line_list.h"
#include "support/fake_dialogs.h"
#include "support/temp_folder.h"
#include "widgets/gradient_button.h"
#include "widgets/stat_spin_edit.h"

namespace beditor::test {

class EditorTest : public ::testing::Test {
 protected:
  EditorTest() : folder_(TempFolder::WithProgramFiles()) {}

  // Builds the window (running its creation steps) with these command-line words.
  EditorWindow& Start(std::vector<std::string> words = {}) {
    words.insert(words.begin(), "beditor");
    form_ = std::make_unique<EditorWindow>(folder_.Path(), ProgramArguments(folder_ / "beditor", words), dialogs_);
    return *form_;
  }
  EditorWindow& StartShown(std::vector<std::string> words = {}) {
    Start(std::move(words)).ShowFirstTime();
    return *form_;
  }

  std::filesystem::path operator/(const std::string& relative) const { return folder_ / relative; }
  void Write(const std::string& relative, const std::string& bytes) { WriteBytes(folder_ / relative, bytes); }
  // A fighter file of these lines, CR LF after each.
  void WriteFighter(const std::string& relative, const std::vector<std::string>& lines) {
    Write(relative, JoinLines(lines));
  }
  void Remove(const std::string& relative) { std::filesystem::remove_all(folder_ / relative); }

  EditorWindow& Form() { return *form_; }
  QLineEdit* Edit(const char* name) { return Find<QLineEdit>(name); }
  StatSpinEdit* Spin(const char* name) { return Find<StatSpinEdit>(name); }
  QComboBox* Combo(const char* name) { return Find<QComboBox>(name); }
  QLabel* Label(const char* name) { return Find<QLabel>(name); }
  GradientButton* Button(const char* name) { return Find<GradientButton>(name); }
  const std::string& Line(int index) { return form_->FighterLines().LineAt(index); }
  // Line `index` of a file on disk.
  static std::string LineAt(const std::filesystem::path& file, int index) {
    LineList lines;
    lines.LoadLines(file);
    return lines.LineAt(index);
  }

  template <typename Widget>
  Widget* Find(const char* name) {
    auto* widget = form_->findChild<Widget*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }

  // Types text, characters outside ASCII included, as key presses with that text.
  static void Type(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
      QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
      QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
      QApplication::sendEvent(widget, &press);
      QApplication::sendEvent(widget, &release);
    }
  }

  // Picks entry `index` of a list as the user does: open the list, click the entry.
  void Pick(QComboBox* box, int index) {
    box->setCurrentIndex(index);
    emit box->activated(index);
  }

  TempFolder folder_;
  FakeDialogs dialogs_;
  std::unique_ptr<EditorWindow> form_;
};

// A complete fighter, line by line (36 lines).
std::vector<std::string> SampleFighter();

}  // namespace beditor::test
