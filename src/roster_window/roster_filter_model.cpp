#include "roster_window/roster_filter_model.h"

#include "roster_window/roster_table_model.h"

namespace beditor {

RosterFilterModel::RosterFilterModel(RosterTableModel& roster, QObject* parent)
    : QSortFilterProxyModel(parent), roster_(roster) {
  setSourceModel(&roster);
  setSortRole(RosterTableModel::kSortRole);
  setSortCaseSensitivity(Qt::CaseInsensitive);
}

void RosterFilterModel::SetText(const QString& text) {
  if (text == text_) return;
  text_ = text;
  invalidateRowsFilter();
}

void RosterFilterModel::SetCategory(const QString& category) {
  if (category == category_) return;
  category_ = category;
  invalidateRowsFilter();
}

bool RosterFilterModel::filterAcceptsRow(int sourceRow, const QModelIndex&) const {
  // A new fighter of an update whose creation was taken back is out of the roster.
  if (roster_.Withdrawn(sourceRow)) return false;
  if (!category_.isEmpty() && roster_.CategoryText(sourceRow) != category_) return false;
  return text_.isEmpty() || roster_.RowContains(sourceRow, text_);
}

bool RosterFilterModel::lessThan(const QModelIndex& left, const QModelIndex& right) const {
  const QVariant a = left.data(RosterTableModel::kSortRole);
  const QVariant b = right.data(RosterTableModel::kSortRole);
  // Numbers before text, empty cells last.
  const auto rank = [](const QVariant& value) {
    if (!value.isValid()) return 2;
    return value.typeId() == QMetaType::QString ? 1 : 0;
  };
  const int rankA = rank(a);
  const int rankB = rank(b);
  if (rankA != rankB) return rankA < rankB;
  if (rankA == 0) return a.toLongLong() < b.toLongLong();
  if (rankA == 1) return a.toString().compare(b.toString(), Qt::CaseInsensitive) < 0;
  return false;
}

}  // namespace beditor
