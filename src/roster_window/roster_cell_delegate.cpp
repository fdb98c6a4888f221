#include "roster_window/roster_cell_delegate.h"

#include <QApplication>
#include <QComboBox>
#include <QPainter>
#include <QStyle>
#include <algorithm>
#include <utility>

#include "core/colour_runs.h"
#include "resources/evaluation_layout.h"
#include "roster_window/roster_table_model.h"

namespace beditor {
namespace {

// Made once: a table asks for them for every painted cell.
const QIcon& StandardIcon(QStyle::StandardPixmap which) {
  static const QIcon question = QApplication::style()->standardIcon(QStyle::SP_MessageBoxQuestion);
  static const QIcon critical = QApplication::style()->standardIcon(QStyle::SP_MessageBoxCritical);
  static const QIcon warning = QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning);
  return which == QStyle::SP_MessageBoxQuestion ? question : which == QStyle::SP_MessageBoxCritical ? critical : warning;
}

}  // namespace

QIcon RosterCellDelegate::ProblemIcon(const QModelIndex& index) {
  if (index.data(RosterTableModel::kConflictRole).toBool()) return StandardIcon(QStyle::SP_MessageBoxQuestion);
  const int problem = index.data(RosterTableModel::kProblemRole).toInt();
  if (problem == 2 || (index.column() == RosterTableModel::kFileColumn &&
                       index.data(RosterTableModel::kHeldRole).toBool()))
    return StandardIcon(QStyle::SP_MessageBoxCritical);
  if (problem == 1) return StandardIcon(QStyle::SP_MessageBoxWarning);
  return {};
}

void RosterCellDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const {
  QStyledItemDelegate::initStyleOption(option, index);
  const QIcon icon = ProblemIcon(index);
  if (icon.isNull()) return;
  option->icon = icon;
  option->features |= QStyleOptionViewItem::HasDecoration;
}

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
  // The evaluation's bars' rule: a silver-to-grey run under a fill run that covers the
  // rating's percentage, each in as many bands as the bar is wide.
  constexpr int kSteps = 255;
  const int percent = std::clamp(rating.toInt(), 0, 100);
  const Rgb from{bar.from.red, bar.from.green, bar.from.blue};
  const Rgb to{bar.to.red, bar.to.green, bar.to.blue};
  for (const auto& [run, filling] : {std::pair{std::pair{Rgb{192, 192, 192}, Rgb{128, 128, 128}}, 100},
                                     std::pair{std::pair{from, to}, percent}})
    for (const ColourBand& band : StripeBands(area.left(), area.width(), kSteps, filling, run.first, run.second))
      painter->fillRect(band.first, area.top(), band.end - band.first, area.height(),
                        QColor(band.colour.red, band.colour.green, band.colour.blue));
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
