// The stat spin box's clipboard and undo: copy and undo work, cut, paste and delete are
// refused from every source; Enter and Escape go on to the owner.
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <memory>

#include "stat_spin_test_fixture.h"

namespace beditor::test {
namespace {

using Reports = std::vector<double>;

void Undo(QWidget* box) { QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier); }

TEST_F(StatSpinTest, UndoRestoresTheTextBeforeTheLastEdit) {
  const struct {
    const char* name;
    const char* start;
    int caret;  // -1: whole text selected
    const char* keys;
    const char* edited;
    Reports reports;
  } cases[] = {
      {"a digit over the selection", "7", -1, "9", "9", {9, 7}},
      {"an edit that was corrected", "7", -1, "0", "1", {1, 7}},
      {"a run of typing is one edit", "7", -1, "15", "15", {1, 15, 7}},
      {"an edit that changed no value", "20", 2, "5", "20", {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Prepare(QString::fromLatin1(c.start), c.caret);
    QTest::keyClicks(box, QString::fromLatin1(c.keys));
    ASSERT_EQ(box->text(), c.edited);
    Undo(box);
    EXPECT_EQ(box->text(), c.start);
    EXPECT_EQ(reports, c.reports);
  }

  // Undo undoes itself, as in any single-level undo.
  Prepare("7");
  QTest::keyClicks(box, "12");
  Undo(box);
  Undo(box);
  EXPECT_EQ(box->text(), "12");
  EXPECT_EQ(reports, (Reports{1, 12, 7, 12}));
}

TEST_F(StatSpinTest, UndoSeesEditsAndStepsButNotValuesPutInByCode) {
  Prepare("1", 1);
  QTest::keyClicks(box, "2");
  QTest::keyClick(box, Qt::Key_Left);  // moving the caret ends the run of typing
  QTest::keyClick(box, Qt::Key_Delete);
  ASSERT_EQ(box->text(), "1");
  Undo(box);
  EXPECT_EQ(box->text(), "12");

  QTest::keyClick(box, Qt::Key_Up);
  QTest::keyClick(box, Qt::Key_Down);
  ASSERT_EQ(box->text(), "12");
  Undo(box);
  EXPECT_EQ(box->text(), "13");

  box->SetValue(3);
  EXPECT_FALSE(box->CanUndo());
  Undo(box);
  EXPECT_EQ(box->text(), "3");
}

TEST_F(StatSpinTest, CutPasteAndRedoKeysChangeNothing) {
  QGuiApplication::clipboard()->setText("9");
  const struct {
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
  } keys[] = {
      {"Ctrl+X", Qt::Key_X, Qt::ControlModifier},
      {"Ctrl+V", Qt::Key_V, Qt::ControlModifier},
      {"Shift+Delete", Qt::Key_Delete, Qt::ShiftModifier},
      {"Shift+Insert", Qt::Key_Insert, Qt::ShiftModifier},
      {"Ctrl+Y", Qt::Key_Y, Qt::ControlModifier},
      {"Ctrl+Shift+Z", Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier},
  };
  for (const auto& k : keys) {
    SCOPED_TRACE(k.name);
    Prepare("12");
    QTest::keyClick(box, k.key, k.modifiers);
    EXPECT_EQ(box->text(), "12");
    EXPECT_EQ(box->selectedText(), "12");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "9");
    EXPECT_TRUE(reports.empty());
    EXPECT_EQ(beeps, 0);
  }
}

TEST_F(StatSpinTest, CopyKeysCopyTheSelection) {
  for (const auto& [key, modifiers] : {std::pair{Qt::Key_C, Qt::ControlModifier},
                                       std::pair{Qt::Key_Insert, Qt::ControlModifier}}) {
    QGuiApplication::clipboard()->clear();
    Prepare("12");
    QTest::keyClick(box, key, modifiers);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "12");
    EXPECT_EQ(box->text(), "12");
  }
}

TEST_F(StatSpinTest, PlainDeleteAndBackspaceStillEdit) {
  Prepare("12");
  QTest::keyClick(box, Qt::Key_Delete);
  EXPECT_EQ(box->text(), "1");
  Prepare("15", 2);
  QTest::keyClick(box, Qt::Key_Backspace);
  EXPECT_EQ(box->text(), "1");
  EXPECT_EQ(reports, Reports{1});
}

QAction* MenuAction(QMenu& menu, const char* name) {
  QAction* action = menu.findChild<QAction*>(QString::fromLatin1(name));
  EXPECT_NE(action, nullptr) << name;
  return action;
}

TEST_F(StatSpinTest, ContextMenuOffersOnlyUndoCopyAndSelectAll) {
  Prepare("7");
  QTest::keyClicks(box, "12");
  box->setSelection(0, 1);
  QGuiApplication::clipboard()->setText("9");
  const std::unique_ptr<QMenu> menu(box->CreateContextMenu());
  for (const char* refused : {"edit-cut", "edit-paste", "edit-delete"}) {
    SCOPED_TRACE(refused);
    QAction* action = MenuAction(*menu, refused);
    ASSERT_NE(action, nullptr);
    EXPECT_FALSE(action->isEnabled());
    EXPECT_FALSE(action->text().isEmpty());
    action->trigger();
    EXPECT_EQ(box->text(), "12");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "9");
  }

  QAction* copy = MenuAction(*menu, "edit-copy");
  ASSERT_NE(copy, nullptr);
  EXPECT_TRUE(copy->isEnabled());
  copy->trigger();
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "1");

  QAction* selectAll = MenuAction(*menu, "select-all");
  ASSERT_NE(selectAll, nullptr);
  EXPECT_TRUE(selectAll->isEnabled());
  selectAll->trigger();
  EXPECT_EQ(box->selectedText(), "12");

  QAction* undo = MenuAction(*menu, "edit-undo");
  ASSERT_NE(undo, nullptr);
  EXPECT_TRUE(undo->isEnabled());
  undo->trigger();
  EXPECT_EQ(box->text(), "7");
  EXPECT_EQ(reports, (Reports{1, 12, 7}));
}

TEST_F(StatSpinTest, ContextMenuGreysWhatCannotBeDoneNow) {
  Prepare("7", 1);
  const std::unique_ptr<QMenu> menu(box->CreateContextMenu());
  for (const char* idle : {"edit-undo", "edit-copy"}) {
    QAction* action = MenuAction(*menu, idle);
    ASSERT_NE(action, nullptr);
    EXPECT_FALSE(action->isEnabled()) << idle;
  }
}

TEST_F(StatSpinTest, MiddleClickPastesNothing) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (!clipboard->supportsSelection()) GTEST_SKIP() << "no selection clipboard here";
  clipboard->setText("9", QClipboard::Selection);
  Prepare("12", 1);
  QTest::mouseClick(box, Qt::MiddleButton, {}, box->TextArea().center());
  EXPECT_EQ(box->text(), "12");
}

// Records the keys that reach the window.
class KeyRecorder : public QObject {
 public:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::KeyPress) keys.push_back(static_cast<QKeyEvent*>(event)->key());
    return false;
  }
  std::vector<int> keys;
};

TEST_F(StatSpinTest, EnterAndEscapeGoToTheOwnerWithoutABeep) {
  KeyRecorder recorder;
  window.installEventFilter(&recorder);
  Prepare("12", 2);
  QTest::keyClick(box, Qt::Key_Return);
  QTest::keyClick(box, Qt::Key_Enter, Qt::KeypadModifier);
  QTest::keyClick(box, Qt::Key_Escape);
  EXPECT_EQ(recorder.keys, (std::vector<int>{Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}));
  EXPECT_EQ(box->text(), "12");
  EXPECT_EQ(beeps, 0);
  EXPECT_TRUE(reports.empty());

  // The step keys stay in the box.
  QTest::keyClick(box, Qt::Key_Up);
  EXPECT_EQ(recorder.keys.size(), 3u);
}

}  // namespace
}  // namespace beditor::test
