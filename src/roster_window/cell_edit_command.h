#pragma once
// One accepted edit of a roster cell, for the undo stack: the cell's edit before and after
// (none: the file's own value). Setting an edit settles a conflict of its cell; each side
// keeps the conflict it had, so that undoing or redoing never leaves a plain edit over a
// change the file made meanwhile.
#include <QUndoCommand>
#include <optional>
#include <string>

#include "roster_rules/edited_roster.h"

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
  // The cell's conflict while the value before, or after, is in place.
  std::optional<roster::EditConflict> conflictBefore_;
  std::optional<roster::EditConflict> conflictAfter_;
};

}  // namespace beditor
