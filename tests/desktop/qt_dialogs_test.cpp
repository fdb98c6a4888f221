#include "desktop/qt_dialogs.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <functional>
#include <ostream>

#include "desktop/plain_message_dialog.h"
#include "support/qt_printers.h"
#include "support/temp_folder.h"
#include "support/when_shown.h"


namespace beditor {
namespace {

using test::WhenShown;

QList<QPushButton*> Buttons(QWidget* dialog) { return dialog->findChildren<QPushButton*>(); }

TEST(PlainMessageDialog, ShowsTitleTextAndOneDefaultOkButton) {
  struct Case {
    const char* how;
    std::function<void(PlainMessageDialog*)> close;
  };
  const Case cases[] = {
      {"Escape", [](PlainMessageDialog* d) { QTest::keyClick(d, Qt::Key_Escape); }},
      {"Enter", [](PlainMessageDialog* d) { QTest::keyClick(d, Qt::Key_Return); }},
      {"click", [](PlainMessageDialog* d) { QTest::mouseClick(d->OkButton(), Qt::LeftButton); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.how);
    bool seen = false;
    WhenShown<PlainMessageDialog>([&](PlainMessageDialog* dialog) {
      seen = true;
      EXPECT_EQ(dialog->windowTitle(), "BEditor");
      EXPECT_TRUE(dialog->isModal());
      EXPECT_EQ(dialog->TextLabel()->text(), "El luchador no se ha cargado correctamente");
      const auto buttons = Buttons(dialog);
      ASSERT_EQ(buttons.size(), 1);
      EXPECT_EQ(buttons.first()->text(), "OK");
      EXPECT_TRUE(buttons.first()->isDefault());
      c.close(dialog);
      if (dialog->isVisible()) {
        ADD_FAILURE() << "still open";
        dialog->done(QDialog::Rejected);
      }
    });
    QtDialogs().ShowPlainMessage("El luchador no se ha cargado correctamente");
    EXPECT_TRUE(seen);
  }
}

TEST(PlainMessageDialog, WrapsAtHalfTheScreenAndSitsInItsCentre) {
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  QString longText;
  for (int i = 0; i < 120; ++i) longText += QStringLiteral("palabra ");

  // An owner in a corner: the dialog centres on the screen, not on it.
  QWidget owner;
  owner.setGeometry(10, 10, 200, 100);
  owner.show();
  PlainMessageDialog shortDialog("OK then", &owner);
  PlainMessageDialog longDialog(longText, &owner);
  for (PlainMessageDialog* dialog : {&shortDialog, &longDialog}) {
    dialog->show();
    QRect frame = dialog->frameGeometry();
    EXPECT_LE(std::abs(frame.center().x() - screen.center().x()), 1);
    EXPECT_LE(std::abs(frame.center().y() - screen.center().y()), 1);
  }
  const QLabel* shortLabel = shortDialog.TextLabel();
  const QLabel* longLabel = longDialog.TextLabel();
  EXPECT_LT(shortLabel->width(), 100);
  EXPECT_LE(longLabel->width(), screen.width() / 2);
  EXPECT_GT(longLabel->width(), screen.width() / 2 - 80);
  EXPECT_GE(longLabel->height(), 5 * longLabel->fontMetrics().height());
  // Everything fits: the text needs no more room than the label was given.
  EXPECT_GE(longLabel->height(), longLabel->heightForWidth(longLabel->width()));

  PlainMessageDialog tabs("a\tb\n1234567890\tc");
  EXPECT_EQ(tabs.TextLabel()->text(), "a       b\n1234567890      c");
}

TEST(QtDialogs, SystemMessageBoxTakesIconFromFlags) {
  struct Case {
    unsigned flags;
    QMessageBox::Icon icon;
  };
  const Case cases[] = {{0x00, QMessageBox::NoIcon},
                        {0x10, QMessageBox::Critical},
                        {0x40, QMessageBox::Information},
                        {0x30, QMessageBox::Warning}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.flags);
    EXPECT_EQ(SystemMessageIcon(c.flags), c.icon);
    bool seen = false;
    WhenShown<QMessageBox>([&](QMessageBox* box) {
      seen = true;
      EXPECT_EQ(box->icon(), c.icon);
      EXPECT_EQ(box->windowTitle(), "Languaje change");
      EXPECT_EQ(box->text(), "Languaje set to english.");
      EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
      EXPECT_EQ(Buttons(box).size(), 1);
      box->button(QMessageBox::Ok)->click();
    });
    EXPECT_EQ(QtDialogs().ShowSystemMessage("Languaje set to english.", "Languaje change", c.flags),
              1);
    EXPECT_TRUE(seen);
  }
}

class FileDialogs : public ::testing::Test {
 protected:
  QString Folder() const {
    return QDir(QString::fromStdString(folder_.Path().string())).canonicalPath();
  }
  QString InFolder(const QString& name) const { return Folder() + "/" + name; }

  // Fails, and answers it, when the file dialog asks anything before closing.
  static void RefuseQuestions(QFileDialog* dialog) {
    QPointer<QFileDialog> watched(dialog);
    QTimer::singleShot(0, [watched] {
      if (!watched) return;
      for (QMessageBox* box : watched->findChildren<QMessageBox*>()) {
        if (!box->isVisible()) continue;
        ADD_FAILURE() << "the dialog asked: " << box->text().toStdString();
        if (QAbstractButton* yes = box->button(QMessageBox::Yes))
          yes->click();
        else
          box->reject();
      }
    });
  }

  // The file dialog's own accept (checks, default suffix) is reached through QDialog's.
  // A dialog that stays open (a folder was chosen) fails the test rather than hanging it.
  static void Accept(QFileDialog* dialog) {
    static_cast<QDialog*>(dialog)->accept();
    if (dialog->isVisible()) {
      ADD_FAILURE() << "the dialog stayed open";
      dialog->reject();
    }
  }

  static void Choose(QFileDialog* dialog, const QString& name) {
    dialog->selectFile(name);
    RefuseQuestions(dialog);
    Accept(dialog);
  }

  test::TempFolder folder_;
};

TEST_F(FileDialogs, OpenReturnsATypedNameThatDoesNotExist) {
  FileDialogRequest request;
  request.title = "Abrir luchador";
  request.folder = Folder();
  WhenShown<QFileDialog>([&](QFileDialog* dialog) {
    EXPECT_EQ(dialog->windowTitle(), "Abrir luchador");
    EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptOpen);
    EXPECT_EQ(dialog->directory().canonicalPath(), Folder());
    Choose(dialog, "Nueva.txt");
  });
  const auto answer = QtDialogs().GetOpenFileName(request);
  ASSERT_TRUE(answer.has_value());
  EXPECT_EQ(answer->path, InFolder("Nueva.txt"));
}

TEST_F(FileDialogs, CancelGivesNoAnswer) {
  for (bool save : {false, true}) {
    WhenShown<QFileDialog>([](QFileDialog* dialog) { dialog->reject(); });
    const FileDialogRequest request{"t", Folder(), "a.txt", {}, 0, "txt"};
    EXPECT_FALSE(save ? QtDialogs().GetSaveFileName(request)
                      : QtDialogs().GetOpenFileName(request));
  }
}

TEST_F(FileDialogs, OpenProposesTheLastFileWithItsFolder) {
  test::WriteBytes(folder_ / "Ana.txt", "x");
  FileDialogRequest request;
  request.fileName = InFolder("Ana.txt");
  WhenShown<QFileDialog>([&](QFileDialog* dialog) {
    EXPECT_EQ(dialog->directory().canonicalPath(), Folder());
    EXPECT_EQ(dialog->selectedFiles().value(0), InFolder("Ana.txt"));
    RefuseQuestions(dialog);
    Accept(dialog);
  });
  const auto answer = QtDialogs().GetOpenFileName(request);
  ASSERT_TRUE(answer.has_value());
  EXPECT_EQ(answer->path, InFolder("Ana.txt"));
}

TEST_F(FileDialogs, SaveAddsTheSuffixReplacesSilentlyAndKeepsTheFilter) {
  test::WriteBytes(folder_ / "Ana.txt", "old");
  const QStringList filters{"Texto (*.txt)", "Todos (*)"};
  struct Case {
    int preselected;
    int chosen;
  };
  for (const Case& c : {Case{1, 1}, Case{0, 0}, Case{1, 0}}) {
    SCOPED_TRACE(c.preselected * 10 + c.chosen);
    const FileDialogRequest request{"Guardar luchador", Folder(), "Ana Lopez.txt", filters,
                                    c.preselected,      "txt"};
    WhenShown<QFileDialog>([&](QFileDialog* dialog) {
      EXPECT_EQ(dialog->windowTitle(), "Guardar luchador");
      EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
      EXPECT_EQ(dialog->directory().canonicalPath(), Folder());
      EXPECT_EQ(dialog->selectedFiles().value(0), InFolder("Ana Lopez.txt"));
      // The list shows the filters' names only.
      EXPECT_EQ(dialog->selectedNameFilter(), filters.at(c.preselected).section(' ', 0, 0));
      dialog->selectNameFilter(filters.at(c.chosen));
      Choose(dialog, "Ana");
    });
    const auto answer = QtDialogs().GetSaveFileName(request);
    ASSERT_TRUE(answer.has_value());
    EXPECT_EQ(answer->path, InFolder("Ana.txt"));
    EXPECT_EQ(answer->filterIndex, c.chosen);
  }
}

}  // namespace
}  // namespace beditor
