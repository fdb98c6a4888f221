#pragma once
// Paints the rating columns as small bars in the evaluation window's colours, marks a cell's
// problem with the message box's icon for it, and edits a choice cell with its list.
#include <QIcon>
#include <QStyledItemDelegate>

namespace beditor {

class RosterCellDelegate : public QStyledItemDelegate {
  Q_OBJECT

 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  // The icon a cell shows: a conflict with the file on disk, an error or a warning of the
  // check, a file that can no longer be loaded; none for a cell without a problem.
  static QIcon ProblemIcon(const QModelIndex& index);

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  void setEditorData(QWidget* editor, const QModelIndex& index) const override;
  void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

 protected:
  void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};

}  // namespace beditor
