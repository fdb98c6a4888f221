#include "roster_window/update_commands.h"

#include "roster_window/roster_table_model.h"

namespace beditor {

NewRowCommand::NewRowCommand(RosterTableModel& model, std::vector<std::size_t> rows, bool create)
    : model_(model), rows_(std::move(rows)), create_(create) {
  setText(create ? RosterTableModel::tr("new fighter") : RosterTableModel::tr("take back a new fighter"));
}

void NewRowCommand::undo() { model_.SetCreation(rows_, !create_); }

void NewRowCommand::redo() { model_.SetCreation(rows_, create_); }

TeamFilesCommand::TeamFilesCommand(RosterTableModel& model, std::vector<std::string> files)
    : model_(model), files_(std::move(files)) {
  setText(RosterTableModel::tr("team files to copy"));
}

void TeamFilesCommand::undo() { model_.SetTeamFilesToCopy({}); }

void TeamFilesCommand::redo() { model_.SetTeamFilesToCopy(files_); }

}  // namespace beditor
