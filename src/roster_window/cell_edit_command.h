#pragma once
// One accepted edit of a roster cell, for the undo stack: the cell's edit before and after
// (none: the file's own value).
#include <QUndoCommand>
#include <optional>
#include <string>

namespace beditor {

class RosterTableModel;

class CellEditCommand : public QUndoCommand {
 public:
  CellEditCommand(RosterTableModel& model, int row, std::size_t field, std::optional<std::string> before,
                  std::optional<std::string> after);
  void undo() override;
  void redo() override;

 private:
  RosterTableModel& model_;
  int row_;
  std::size_t field_;
  std::optional<std::string> before_;
  std::optional<std::string> after_;
};

}  // namespace beditor
