#pragma once
// The parts of a roster update shown in the window that are no cell edit, for the undo stack:
// a new fighter's row created on save or taken back, and the team files to copy.
#include <QUndoCommand>
#include <string>
#include <vector>

namespace beditor {

class RosterTableModel;

class NewRowCommand : public QUndoCommand {
 public:
  // `create`: the row is created on save; false takes its creation back.
  NewRowCommand(RosterTableModel& model, int row, bool create);
  void undo() override;
  void redo() override;

 private:
  RosterTableModel& model_;
  int row_;
  bool create_;
};

class TeamFilesCommand : public QUndoCommand {
 public:
  TeamFilesCommand(RosterTableModel& model, std::vector<std::string> files);
  void undo() override;
  void redo() override;

 private:
  RosterTableModel& model_;
  std::vector<std::string> files_;
};

}  // namespace beditor
