#include "roster_window/cell_edit_command.h"

#include "core/fighter_layout.h"
#include "roster_window/roster_table_model.h"

namespace beditor {

CellEditCommand::CellEditCommand(RosterTableModel& model, int row, std::size_t field,
                                 std::optional<std::string> before, std::optional<std::string> after)
    : model_(model), row_(row), field_(field), before_(std::move(before)), after_(std::move(after)) {
  setText(RosterTableModel::tr("edit %1").arg(model.ColumnTitle(RosterTableModel::kFirstFieldColumn + static_cast<int>(field))));
}

void CellEditCommand::undo() { model_.ApplyEdit(row_, field_, before_); }

void CellEditCommand::redo() { model_.ApplyEdit(row_, field_, after_); }

}  // namespace beditor
