#pragma once
// The parts of a roster update shown in the window that are no cell edit, for the undo stack:
// new fighters' rows created on save or taken back, and the team files to copy.
#include <QUndoCommand>
#include <string>
#include <vector>

namespace beditor {

class RosterTableModel;

class NewRowCommand : public QUndoCommand {
 public:
  // `create`: the rows are created on save; false takes their creation back.
  NewRowCommand(RosterTableModel& model, std::vector<std::size_t> rows, bool create);
  void undo() override;
  void redo() override;

 private:
  RosterTableModel& model_;
  std::vector<std::size_t> rows_;
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
