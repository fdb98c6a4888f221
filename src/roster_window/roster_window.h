#pragma once
// The roster window: every fighter of a program folder in one table, filtered, sorted and
// edited in place, saved through the roster tool's import.
#include <QMainWindow>
#include <QMessageBox>
#include <chrono>
#include <filesystem>
#include <functional>
#include <set>

#include "core/fighter_layout.h"

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QShortcut;
class QTableView;

namespace beditor {

class Dialogs;
class RosterFilterModel;
class RosterTableModel;

class RosterWindow : public QMainWindow {
  Q_OBJECT

 public:
  // Starts a program; false when it could not be started.
  using Launcher = std::function<bool(const QString& program, const QStringList& arguments, const QString& folder)>;
  // Asks what to do with unsaved edits: Save, Discard or Cancel.
  using UnsavedQuestion = std::function<QMessageBox::StandardButton()>;

  RosterWindow(std::filesystem::path folder, record::Game game, Dialogs& dialogs, QWidget* parent = nullptr);
  ~RosterWindow() override;

  // Lists the roster and reads it in slices between events, with progress; Escape stops.
  void StartLoading();
  bool Loading() const;

  // Writes the edits; true when every edited fighter was written. A value being typed that
  // is refused stops it: nothing is written, and the cell stays open with the value.
  bool Save();
  // Asks for a roster update's folder and shows the update as the window's edits; refused
  // while edits are unsaved.
  void TakeUpdate();
  // Opens the fighter of the model's row in the editor of the roster's program folder; says so
  // and starts nothing when that folder has none.
  void OpenInEditor(int row);
  // Asks for a file name and writes the rows shown there as a spreadsheet workbook (.xlsx).
  void ExportToSpreadsheet();

  void SetLauncher(Launcher launcher) { launcher_ = std::move(launcher); }
  // How long each slice of a load reads before the window takes its events again.
  void SetLoadSlice(std::chrono::milliseconds slice) { loadSlice_ = slice; }
  void SetUnsavedQuestion(UnsavedQuestion question) { unsavedQuestion_ = std::move(question); }

  RosterTableModel& Model() { return *model_; }
  RosterFilterModel& Filter() { return *filter_; }
  QTableView& Table() { return *table_; }
  QString RowCountText() const;
  QString LastRefusal() const { return lastRefusal_; }

 signals:
  void Loaded();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildMenus();
  void LoadNextSlice();
  void FinishLoading(bool cancelled);
  void ShowCounts();
  void ShowRefusal(const QModelIndex& index, const QString& message);
  void OnDoubleClick(const QModelIndex& index);
  // Ends the cell edit under way, its value taken as if Enter was pressed; false, with the
  // editor left open, when the value is refused.
  bool CommitOpenEditor();
  int CurrentRow() const;
  // The model's cell of the table's current one.
  QModelIndex CurrentCell() const;
  void ShowTableMenu(const QPoint& position);
  void UpdateConflictActions();
  // Reads the rows opened in the editor again, and those waiting on their files.
  void ReadWatchedRowsAgain();

  std::filesystem::path folder_;
  Dialogs& dialogs_;
  RosterTableModel* model_;
  RosterFilterModel* filter_;
  QTableView* table_;
  QLineEdit* filterBox_;
  QComboBox* categoryBox_;
  QLabel* rowCount_;
  QLabel* problems_;
  QProgressBar* progress_;
  QShortcut* cancelLoad_;
  QAction* keepMine_ = nullptr;
  QAction* takeUpdate_ = nullptr;
  QAction* takeTheirs_ = nullptr;
  QAction* discardGone_ = nullptr;
  Launcher launcher_;
  UnsavedQuestion unsavedQuestion_;
  std::set<int> opened_;  // rows opened in the editor: read again when the window is back
  QString lastRefusal_;
  std::chrono::milliseconds loadSlice_{100};
  bool columnsSized_ = false;
};

}  // namespace beditor
