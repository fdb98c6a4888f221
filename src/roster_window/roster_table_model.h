#pragma once
// The whole roster as a table: one row per fighter file, the columns of the roster's CSV in
// its order (file, the fields, the six ratings), the cells as export writes them. The rows,
// their edits and their conflicts with the files on disk live in the roster library's
// EditedRoster; this model shows them, puts edits on the undo stack and words what a save did
// in the folder's language.
#include <QAbstractTableModel>
#include <QUndoStack>
#include <chrono>
#include <filesystem>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "core/fighter_layout.h"
#include "roster_rules/edited_roster.h"
#include "roster_rules/refusal.h"
#include "roster_rules/roster_context.h"
#include "roster_rules/roster_files.h"

namespace beditor {

class RosterTableModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  enum Role {
    kSortRole = Qt::UserRole + 1,  // a number for numeric cells, else the text
    kChoicesRole,                  // the entries of a choice cell's list
    kRatingRole,                   // a rating column's value, 0 to 100; nothing without ratings
    kEditedRole,                   // true for a cell edited since the last save
    kProblemRole,                  // 2 for an error of check's, 1 for a warning, 0 for none
    kConflictRole,                 // true for an edit that meets another change of its field on disk
    kHeldRole,                     // true on every cell of a row whose file can no longer be loaded
  };

  static constexpr int kFileColumn = 0;
  static constexpr int kFirstFieldColumn = 1;
  static constexpr int kFirstRatingColumn = kFirstFieldColumn + static_cast<int>(record::kFields.size());
  static constexpr int kColumnCount = kFirstRatingColumn + 6;
  // The layout row of a field column.
  static std::size_t FieldOf(int column) { return static_cast<std::size_t>(column - kFirstFieldColumn); }
  static int ColumnOf(record::Field field);

  RosterTableModel(std::filesystem::path folder, record::Game game, QObject* parent = nullptr);
  ~RosterTableModel() override;

  // Lists the roster and reads its lists; the rows then come with LoadSome. Throws
  // UnreadableFolderError.
  void StartLoad();
  // Reads files into rows until `budget` has passed; true once every file is read.
  bool LoadSome(std::chrono::milliseconds budget);
  // Reads every file left.
  void LoadAll();
  // Stops reading: the rows read so far stay.
  void CancelLoad();
  bool Loading() const { return roster_.Loading(); }
  std::size_t LoadedCount() const { return roster_.Size(); }
  std::size_t TotalCount() const { return roster_.TotalCount(); }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  // The column's header, in the program folder's language (column_titles.h).
  QString ColumnTitle(int column) const { return titles_.value(column); }
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  // An edit by the import's rules: refused ones emit EditRefused and change nothing; the
  // others go on the undo stack.
  bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

  // The cell as export writes it (UTF-8), for the row's present state.
  std::string CellText(int row, int column) const;
  // True when the row's name, team or nationality contains `text` (case ignored).
  bool RowContains(int row, const QString& text) const;
  // The row's category cell.
  QString CategoryText(int row) const;
  const std::vector<std::string>& Categories() const {
    return roster_.Lists().Entries(record::ChoiceList::Weight);
  }

  const roster::FighterFile& File(int row) const { return roster_.Row(static_cast<std::size_t>(row)).file; }
  // The editor would load the file.
  bool Loadable(int row) const;
  // The file is no longer where the row was read from (moved or deleted by another program):
  // the row cannot be edited or saved.
  bool Gone(int row) const;
  // The row's file can no longer be loaded from disk: its edits wait, unsaved, for it to be mended.
  bool HeldByDisk(int row) const { return roster_.Row(static_cast<std::size_t>(row)).heldByDisk; }
  int ErrorCount() const { return roster_.ErrorCount(); }
  // The category folders that could not be listed, and why.
  const std::vector<roster::UnlistedFolder>& UnlistedFolders() const { return roster_.Unlisted(); }
  int WarningCount() const { return roster_.WarningCount(); }

  QUndoStack& UndoStack() { return undo_; }
  bool HasUnsavedEdits() const { return roster_.HasUnsavedEdits(); }
  // Sets a field's cell to the text (UTF-8), or back to the file's own with none. Used by
  // the undo stack's commands.
  void ApplyEdit(int row, std::size_t field, const std::optional<std::string>& text);

  // A cell whose edit meets another change of its field on disk: settled by keeping the edit,
  // which the next save writes, or by taking the file's value (on the undo stack, as any edit).
  bool HasConflict(const QModelIndex& index) const;
  // The field's conflict, for a command that may settle it and must put it back on undo.
  std::optional<roster::EditConflict> ConflictOf(int row, std::size_t field) const;
  void RestoreConflict(int row, std::size_t field, const roster::EditConflict& conflict);
  void KeepMine(const QModelIndex& index);
  void TakeTheirs(const QModelIndex& index);
  // The columns of the row's conflicts, by their titles.
  QStringList ConflictTitles(int row) const;
  // The rows a return to the window reads again besides those opened in the editor: those
  // that could not be loaded, or wait for their file, or hold a conflict.
  std::vector<int> RowsToWatch() const;
  // Discards the edits of every fighter whose file is gone, as one step of the undo stack;
  // the number of fighters.
  int DiscardGoneEdits();

  struct SaveResult {
    bool wroteAll = false;  // every edited fighter was written
    QString message;        // what was written, refused or left
    QString summary;        // the counts of a save that wrote: the status bar's line
  };
  // Writes every edited fighter through the import's plan and write step. A file changed on
  // disk since it was read is not overwritten: its row takes the file's changes with the edits
  // on top, for the next save, and a field changed in both is a conflict, named. A file gone
  // from disk is named once, and its row shown gone.
  SaveResult Save();

  // Reads the row's file again; a row with edits merges them with it. What it found.
  roster::RowSync ReloadRow(int row);

  struct UpdateResult {
    bool shown = false;
    QString message;   // refused: why; shown: what, counted
    QString notShown;  // the places the update gives that no edit can, named; empty for none
  };
  // Shows the roster update in `folder` as edits (EditedRoster::ShowUpdate), all of it one
  // step of the undo stack. Refused while edits are unsaved.
  UpdateResult TakeUpdate(const std::filesystem::path& folder);
  // A new fighter of an update: created on save, or taken back (its row hidden).
  bool ToCreate(int row) const { return roster_.Row(static_cast<std::size_t>(row)).ToCreate(); }
  bool Withdrawn(int row) const { return roster_.Row(static_cast<std::size_t>(row)).withdrawn; }
  // The rows of the roster, without new fighters taken back.
  int FighterCount() const;
  // Used by the undo stack's commands.
  void SetCreation(const std::vector<std::size_t>& rows, bool create);
  void SetTeamFilesToCopy(std::vector<std::string> files);
  // The cell holds an update's edit, or is on a new fighter's row: "Keep mine" takes it back.
  bool FromUpdate(const QModelIndex& index) const;
  // Takes back the cell's update edit, or the creation of its row, on the undo stack.
  void KeepMineOverUpdate(const QModelIndex& index);

 signals:
  void EditRefused(const QModelIndex& index, const roster::Refusal& refusal);
  // An edit that failed for another reason than the import's rules.
  void EditFailed(const QModelIndex& index, const QString& message);
  void ProblemsCounted();

 private:
  bool Edit(const QModelIndex& index, const QVariant& value, int role);
  // The findings of a cell: those on its field's line, or for the file column every one.
  std::vector<const roster::Finding*> FindingsOf(const roster::RosterRow& row, int column) const;
  QString ToolTip(int row, int column) const;
  void RowChanged(int row);
  void AllChanged();
  roster::RosterContext Context(std::ostream& out, std::ostream& err) const;

  std::filesystem::path folder_;
  record::Game game_;
  std::ostringstream quiet_;  // where the roster's context sends nothing
  std::unique_ptr<roster::RosterContext> context_;
  roster::EditedRoster roster_;
  QStringList titles_;
  QUndoStack undo_;
};

}  // namespace beditor
