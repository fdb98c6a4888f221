#pragma once
// The whole roster as a table: one row per fighter file, the columns of the roster's CSV in
// its order (file, the fields, the six ratings), the cells as export writes them. Each row
// keeps the file's bytes as the roster library loads them, and the cells are views into
// them: a string is made only for a cell that is asked for. Edits follow the import's rules
// and are written by the import's own plan and write step.
#include <QAbstractTableModel>
#include <QUndoStack>
#include <array>
#include <chrono>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "core/fighter_layout.h"
#include "roster_rules/choice_lists.h"
#include "roster_rules/fighter_view.h"
#include "roster_rules/refusal.h"
#include "roster_rules/roster_check.h"
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
  bool Loading() const { return next_ < pending_.size(); }
  std::size_t LoadedCount() const { return rows_.size(); }
  std::size_t TotalCount() const { return pending_.size(); }

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
  const std::vector<std::string>& Categories() const { return lists_->Entries(record::ChoiceList::Weight); }

  const roster::FighterFile& File(int row) const { return rows_[static_cast<std::size_t>(row)].file; }
  // The editor would load the file.
  bool Loadable(int row) const;
  // The file is no longer where the row was read from (moved or deleted by another program):
  // the row cannot be edited or saved.
  bool Gone(int row) const;
  int ErrorCount() const { return errors_; }
  // The category folders that could not be listed, and why.
  const std::vector<roster::UnlistedFolder>& UnlistedFolders() const { return unlisted_; }
  int WarningCount() const { return warnings_; }

  QUndoStack& UndoStack() { return undo_; }
  bool HasUnsavedEdits() const;
  // Sets a field's cell to the text (UTF-8), or back to the file's own with none. Used by
  // the undo stack's commands.
  void ApplyEdit(int row, std::size_t field, const std::optional<std::string>& text);

  struct SaveResult {
    bool wroteAll = false;  // every edited fighter was written
    QString message;        // what was written, refused or left
    QString summary;        // the counts of a save that wrote: the status bar's line
  };
  // Writes every edited fighter through the import's plan and write step. A file changed
  // on disk since it was read is left as it is and named: its row is read again with its
  // edits on top, for the next save. A file gone from disk is named, and its row shown gone.
  SaveResult Save();

  // Reads the row's file again, unless it has unsaved edits; true when its bytes changed.
  bool ReloadRow(int row);

 signals:
  void EditRefused(const QModelIndex& index, const roster::Refusal& refusal);
  // An edit that failed for another reason than the import's rules.
  void EditFailed(const QModelIndex& index, const QString& message);
  void ProblemsCounted();

 private:
  struct Row {
    roster::FighterFile file;
    std::unique_ptr<roster::FighterView> view;  // as shown: edits included; none if unreadable
    std::size_t diskHash = 0;                   // of the bytes as read
    // Worked out when first asked for (a painted rating, a sort by one): opening the roster
    // needs only those of the rows on screen.
    mutable std::optional<std::array<int, 6>> ratings;
    mutable bool rated = false;
    std::vector<roster::Finding> findings;
    std::string original;                       // the bytes as read, kept while edited
    std::map<std::size_t, std::string> edits;   // by layout row: the cell as typed
    bool gone = false;                          // the file is no longer on disk
  };

  bool Edit(const QModelIndex& index, const QVariant& value, int role);
  Row ReadRow(roster::FighterFile file);
  // Marks the row's ratings as out of date: they are worked out again when next asked for.
  void ForgetRatings(Row& row);
  // The file's bytes as they are on disk now; none when it is gone or cannot be read.
  std::optional<std::string> BytesOnDisk(const roster::FighterFile& file) const;
  const std::optional<std::array<int, 6>>& RatingsOf(const Row& row) const;
  void RecheckAll();
  // The findings of a cell: those on its field's line, or for the file column every one.
  std::vector<const roster::Finding*> FindingsOf(const Row& row, int column) const;
  // The row's view: the file as read with the edits' lines in it.
  void ShowEdits(Row& row);
  // Takes the file's bytes as they are on disk now, with the row's edits on top.
  void Rebase(Row& row, std::string bytesOnDisk);
  void MarkGone(int row);
  roster::RosterContext Context(std::ostream& out, std::ostream& err) const;

  std::filesystem::path folder_;
  record::Game game_;
  std::ostringstream quiet_;  // where the check's context sends nothing
  std::unique_ptr<roster::RosterContext> context_;
  std::unique_ptr<roster::ChoiceLists> lists_;
  QStringList titles_;
  std::unique_ptr<roster::FighterReader> reader_;
  std::unique_ptr<roster::RosterCheck> check_;
  std::vector<roster::FighterFile> pending_;
  std::vector<roster::UnlistedFolder> unlisted_;  // folders the listing could not read
  std::size_t next_ = 0;
  std::vector<Row> rows_;
  int errors_ = 0;
  int warnings_ = 0;
  QUndoStack undo_;
};

}  // namespace beditor
