#pragma once
// The program's own small message dialog: "BEditor", the text, one OK button.
#include <QDialog>

class QLabel;
class QPushButton;

namespace beditor {

class PlainMessageDialog : public QDialog {
  Q_OBJECT

 public:
  explicit PlainMessageDialog(const QString& text, QWidget* parent = nullptr);

  QLabel* TextLabel() const { return label_; }
  QPushButton* OkButton() const { return okButton_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QLabel* label_;
  QPushButton* okButton_;
};

}  // namespace beditor
