#include "roster_window/update_commands.h"

#include "roster_window/roster_table_model.h"

namespace beditor {

NewRowCommand::NewRowCommand(RosterTableModel& model, int row, bool create)
    : model_(model), row_(row), create_(create) {
  setText(create ? RosterTableModel::tr("new fighter") : RosterTableModel::tr("take back a new fighter"));
}

void NewRowCommand::undo() { model_.SetCreation(row_, !create_); }

void NewRowCommand::redo() { model_.SetCreation(row_, create_); }

TeamFilesCommand::TeamFilesCommand(RosterTableModel& model, std::vector<std::string> files)
    : model_(model), files_(std::move(files)) {
  setText(RosterTableModel::tr("team files to copy"));
}

void TeamFilesCommand::undo() { model_.SetTeamFilesToCopy({}); }

void TeamFilesCommand::redo() { model_.SetTeamFilesToCopy(files_); }

}  // namespace beditor
