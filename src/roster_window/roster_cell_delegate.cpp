#include "roster_window/roster_cell_delegate.h"

#include <QComboBox>
#include <QLinearGradient>
#include <QPainter>

#include "resources/evaluation_layout.h"
#include "roster_window/roster_table_model.h"

namespace beditor {
namespace {

QColor ToQColor(evaluation_layout::Colour colour) { return QColor(colour.red, colour.green, colour.blue); }

}  // namespace

void RosterCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
  const QVariant rating = index.data(RosterTableModel::kRatingRole);
  const int column = index.column() - RosterTableModel::kFirstRatingColumn;
  if (!rating.isValid() || column < 0) {
    QStyledItemDelegate::paint(painter, option, index);
    return;
  }
  // The selection and focus as any cell, the bar and its figure over them.
  QStyleOptionViewItem plain = option;
  initStyleOption(&plain, index);
  plain.text.clear();
  QStyledItemDelegate::paint(painter, plain, QModelIndex());
  const auto& bar = evaluation_layout::kRatingBars[static_cast<std::size_t>(column)];
  const QRect area = option.rect.adjusted(3, 3, -3, -3);
  if (area.width() <= 0 || area.height() <= 0) return;
  painter->save();
  // As the evaluation's bars: the colour runs over the whole width, the rating fills the
  // left part, a silver-to-grey run the rest.
  QLinearGradient empty(area.topLeft(), area.topRight());
  empty.setColorAt(0, QColor(192, 192, 192));
  empty.setColorAt(1, QColor(128, 128, 128));
  painter->fillRect(area, empty);
  QLinearGradient fill(area.topLeft(), area.topRight());
  fill.setColorAt(0, ToQColor(bar.from));
  fill.setColorAt(1, ToQColor(bar.to));
  const int percent = std::clamp(rating.toInt(), 0, 100);
  painter->fillRect(QRect(area.left(), area.top(), area.width() * percent / 100, area.height()), fill);
  painter->setPen(Qt::black);
  painter->drawText(area, Qt::AlignCenter, QString::number(rating.toInt()));
  painter->restore();
}

QWidget* RosterCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                          const QModelIndex& index) const {
  const QStringList entries = index.data(RosterTableModel::kChoicesRole).toStringList();
  if (entries.isEmpty()) return QStyledItemDelegate::createEditor(parent, option, index);
  auto* box = new QComboBox(parent);
  box->setObjectName(QStringLiteral("choiceEditor"));
  box->addItems(entries);
  // A stored number may be typed too, as the import takes it.
  box->setEditable(true);
  box->setInsertPolicy(QComboBox::NoInsert);
  return box;
}

void RosterCellDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
  if (auto* box = qobject_cast<QComboBox*>(editor)) {
    box->setCurrentText(index.data(Qt::EditRole).toString());
    return;
  }
  QStyledItemDelegate::setEditorData(editor, index);
}

void RosterCellDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const {
  if (auto* box = qobject_cast<QComboBox*>(editor)) {
    model->setData(index, box->currentText());
    return;
  }
  QStyledItemDelegate::setModelData(editor, model, index);
}

}  // namespace beditor
