#pragma once
// The rows the window shows, in the order it shows them: those whose name, team or
// nationality contains the filter text and whose category is the one chosen, sorted by the
// clicked column, numbers as numbers.
#include <QSortFilterProxyModel>

namespace beditor {

class RosterTableModel;

class RosterFilterModel : public QSortFilterProxyModel {
  Q_OBJECT

 public:
  explicit RosterFilterModel(RosterTableModel& roster, QObject* parent = nullptr);

  void SetText(const QString& text);
  // Empty: every category.
  void SetCategory(const QString& category);

 protected:
  bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;
  bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

 private:
  RosterTableModel& roster_;
  QString text_;
  QString category_;
};

}  // namespace beditor
