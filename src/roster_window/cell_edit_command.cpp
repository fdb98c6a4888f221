#include "roster_window/cell_edit_command.h"

#include "core/fighter_layout.h"
#include "roster_window/roster_table_model.h"

namespace beditor {

CellEditCommand::CellEditCommand(RosterTableModel& model, int row, std::size_t field,
                                 std::optional<std::string> before, std::optional<std::string> after)
    : model_(model),
      row_(row),
      field_(field),
      before_(std::move(before)),
      after_(std::move(after)),
      conflictBefore_(model.ConflictOf(row, field)) {
  setText(RosterTableModel::tr("edit %1").arg(model.ColumnTitle(RosterTableModel::kFirstFieldColumn + static_cast<int>(field))));
}

void CellEditCommand::undo() {
  // A save may have found the file changed under the value after: that conflict comes back
  // with a redo.
  conflictAfter_ = model_.ConflictOf(row_, field_);
  model_.ApplyEdit(row_, field_, before_);
  if (conflictBefore_) model_.RestoreConflict(row_, field_, *conflictBefore_);
}

void CellEditCommand::redo() {
  conflictBefore_ = model_.ConflictOf(row_, field_);
  model_.ApplyEdit(row_, field_, after_);
  if (conflictAfter_) model_.RestoreConflict(row_, field_, *conflictAfter_);
}

}  // namespace beditor
