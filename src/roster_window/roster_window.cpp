#include "roster_window/roster_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QStatusBar>
#include <QTableView>
#include <QTimer>
#include <QToolTip>
#include <QUndoStack>
#include <QVBoxLayout>

#include "beditor_version.h"
#include "qt_adapters/dialogs.h"
#include "qt_adapters/error_box.h"
#include "qt_adapters/path_text.h"
#include "roster_rules/export_target.h"
#include "roster_window/roster_cell_delegate.h"
#include "roster_window/roster_filter_model.h"
#include "roster_window/refusal_words.h"
#include "roster_window/roster_table_model.h"
#include "roster_window/shown_rows_workbook.h"

namespace beditor {
namespace {

const QString kTitle = QStringLiteral("BEditor roster");

QString EditorProgramName() {
#ifdef _WIN32
  return QStringLiteral("beditor.exe");
#else
  return QStringLiteral("beditor");
#endif
}

}  // namespace

RosterWindow::RosterWindow(std::filesystem::path folder, record::Game game, Dialogs& dialogs, QWidget* parent)
    // Absolute from the start: the editor it opens runs in that folder, not in the working one.
    : QMainWindow(parent), folder_(std::filesystem::absolute(folder)), dialogs_(dialogs) {
  setObjectName(QStringLiteral("RosterWindow"));
  setWindowTitle(QStringLiteral("%1 %2 - %3 (%4)[*]")
                     .arg(kTitle, QStringLiteral(BEDITOR_VERSION), ToQString(folder_),
                          game == record::Game::JEX ? QStringLiteral("JEX") : QStringLiteral("TAV")));
  model_ = new RosterTableModel(folder_, game, this);
  filter_ = new RosterFilterModel(*model_, this);

  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  auto* bar = new QHBoxLayout;
  filterBox_ = new QLineEdit(central);
  filterBox_->setObjectName(QStringLiteral("filterBox"));
  filterBox_->setPlaceholderText(tr("Filter by name, team or nationality"));
  filterBox_->setAccessibleName(tr("Filter"));
  filterBox_->setClearButtonEnabled(true);
  categoryBox_ = new QComboBox(central);
  categoryBox_->setObjectName(QStringLiteral("categoryBox"));
  categoryBox_->setAccessibleName(tr("Category"));
  categoryBox_->addItem(tr("All categories"));
  rowCount_ = new QLabel(central);
  rowCount_->setObjectName(QStringLiteral("rowCount"));
  auto* filterLabel = new QLabel(tr("F&ilter:"), central);
  filterLabel->setBuddy(filterBox_);
  auto* categoryLabel = new QLabel(tr("C&ategory:"), central);
  categoryLabel->setBuddy(categoryBox_);
  bar->addWidget(filterLabel);
  bar->addWidget(filterBox_, 2);
  bar->addWidget(categoryLabel);
  bar->addWidget(categoryBox_, 1);
  bar->addWidget(rowCount_);
  layout->addLayout(bar);

  table_ = new QTableView(central);
  table_->setObjectName(QStringLiteral("rosterTable"));
  table_->setAccessibleName(tr("Roster"));
  table_->setModel(filter_);
  table_->setItemDelegate(new RosterCellDelegate(table_));
  table_->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed |
                          QAbstractItemView::SelectedClicked);
  table_->setSelectionBehavior(QAbstractItemView::SelectItems);
  table_->setAlternatingRowColors(true);
  table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
  table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  table_->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
  table_->setSortingEnabled(true);
  table_->installEventFilter(this);
  table_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(table_, &QWidget::customContextMenuRequested, this, &RosterWindow::ShowTableMenu);
  layout->addWidget(table_);
  setCentralWidget(central);
  setTabOrder(filterBox_, categoryBox_);
  setTabOrder(categoryBox_, table_);

  problems_ = new QLabel(this);
  problems_->setObjectName(QStringLiteral("problemCount"));
  statusBar()->addPermanentWidget(problems_);
  progress_ = new QProgressBar(this);
  progress_->setObjectName(QStringLiteral("loadProgress"));
  progress_->setMaximumWidth(240);
  progress_->hide();
  statusBar()->addPermanentWidget(progress_);
  cancelLoad_ = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  cancelLoad_->setEnabled(false);
  connect(cancelLoad_, &QShortcut::activated, this, [this] { FinishLoading(true); });

  connect(filterBox_, &QLineEdit::textChanged, this, [this](const QString& text) {
    filter_->SetText(text);
    ShowCounts();
  });
  connect(categoryBox_, &QComboBox::currentIndexChanged, this, [this](int index) {
    filter_->SetCategory(index <= 0 ? QString() : categoryBox_->itemText(index));
    ShowCounts();
  });
  connect(filter_, &QAbstractItemModel::rowsInserted, this, [this] { ShowCounts(); });
  connect(filter_, &QAbstractItemModel::rowsRemoved, this, [this] { ShowCounts(); });
  connect(filter_, &QAbstractItemModel::modelReset, this, [this] { ShowCounts(); });
  connect(model_, &RosterTableModel::ProblemsCounted, this, [this] { ShowCounts(); });
  connect(model_, &RosterTableModel::EditRefused, this, [this](const QModelIndex& index, const roster::Refusal& refusal) {
    ShowRefusal(index, RefusalWords(refusal, model_->ColumnTitle(index.column())));
  });
  connect(model_, &RosterTableModel::EditFailed, this, &RosterWindow::ShowRefusal);
  connect(&model_->UndoStack(), &QUndoStack::cleanChanged, this, [this](bool clean) {
    setWindowModified(!clean);
  });
  connect(&model_->UndoStack(), &QUndoStack::indexChanged, this,
          [this] { setWindowModified(model_->HasUnsavedEdits()); });
  connect(table_, &QAbstractItemView::doubleClicked, this, &RosterWindow::OnDoubleClick);
  connect(table_->selectionModel(), &QItemSelectionModel::currentChanged, this, [this] { UpdateConflictActions(); });
  connect(model_, &QAbstractItemModel::dataChanged, this, [this] { UpdateConflictActions(); });

  launcher_ = [](const QString& program, const QStringList& arguments, const QString& folder) {
    return QProcess::startDetached(program, arguments, folder);
  };
  unsavedQuestion_ = [this] {
    QMessageBox box(QMessageBox::Question, kTitle, tr("The roster has unsaved edits."),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
    box.setDefaultButton(QMessageBox::Save);
    // The whole question in the folder's language, its answers too (Qt's own buttons follow
    // the system's).
    box.button(QMessageBox::Save)->setText(tr("&Save"));
    box.button(QMessageBox::Discard)->setText(tr("&Discard"));
    box.button(QMessageBox::Cancel)->setText(tr("Cancel"));
    return static_cast<QMessageBox::StandardButton>(box.exec());
  };
  BuildMenus();
  resize(1200, 700);
  ShowCounts();
}

RosterWindow::~RosterWindow() {
  // The model, a child, goes after this part of the window: neither it nor its undo stack may
  // report to a window already half gone (a cell editor still open with a refused value
  // commits it again as the window hides).
  model_->UndoStack().disconnect(this);
  model_->disconnect(this);
}

void RosterWindow::BuildMenus() {
  QMenu* file = menuBar()->addMenu(tr("&File"));
  QAction* save = file->addAction(tr("&Save"), this, [this] { Save(); });
  save->setObjectName(QStringLiteral("saveAction"));
  save->setShortcut(QKeySequence::Save);
  QAction* open = file->addAction(tr("&Open in editor"), this, [this] {
    if (const int row = CurrentRow(); row >= 0) OpenInEditor(row);
  });
  open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
  file->addAction(tr("E&xport to spreadsheet..."), this, [this] { ExportToSpreadsheet(); })
      ->setObjectName(QStringLiteral("exportSpreadsheetAction"));
  file->addSeparator();
  takeUpdate_ = file->addAction(tr("Take a roster &update..."), this, &RosterWindow::TakeUpdate);
  takeUpdate_->setObjectName(QStringLiteral("takeUpdateAction"));
  file->addSeparator();
  QAction* quit = file->addAction(tr("&Close"), this, &QWidget::close);
  quit->setShortcut(QKeySequence::Close);

  QMenu* edit = menuBar()->addMenu(tr("&Edit"));
  QAction* undo = model_->UndoStack().createUndoAction(this, tr("&Undo"));
  undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
  QAction* redo = model_->UndoStack().createRedoAction(this, tr("&Redo"));
  redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
  edit->addAction(undo);
  edit->addAction(redo);
  edit->addSeparator();
  QAction* find = edit->addAction(tr("&Filter"), this, [this] {
    filterBox_->setFocus(Qt::ShortcutFocusReason);
    filterBox_->selectAll();
  });
  find->setShortcut(QKeySequence::Find);
  edit->addSeparator();
  // A cell changed here and in its file: the player chooses which value stays.
  keepMine_ = edit->addAction(tr("&Keep mine"), this, [this] {
    const QModelIndex cell = CurrentCell();
    if (model_->HasConflict(cell)) {
      model_->KeepMine(cell);
      statusBar()->showMessage(tr("Your value is kept: the next save writes it"), 5000);
    } else if (model_->FromUpdate(cell)) {
      model_->KeepMineOverUpdate(cell);
      statusBar()->showMessage(tr("The update's change is taken back"), 5000);
    }
  });
  keepMine_->setObjectName(QStringLiteral("keepMineAction"));
  takeTheirs_ = edit->addAction(tr("&Take the file's"), this, [this] { model_->TakeTheirs(CurrentCell()); });
  takeTheirs_->setObjectName(QStringLiteral("takeTheirsAction"));
  discardGone_ = edit->addAction(tr("&Discard edits of gone fighters"), this, [this] {
    const int fighters = model_->DiscardGoneEdits();
    statusBar()->showMessage(tr("The edits of %n fighter(s) gone from disk are discarded", nullptr, fighters), 5000);
  });
  discardGone_->setObjectName(QStringLiteral("discardGoneAction"));
  UpdateConflictActions();

  QMenu* help = menuBar()->addMenu(tr("&Help"));
  help->addAction(tr("&About"), this, [this] {
    QMessageBox::about(this, kTitle,
                       tr("%1 %2\nThe fighters of a BEditor program folder in one table.")
                           .arg(kTitle, QStringLiteral(BEDITOR_VERSION)));
  });
}

void RosterWindow::StartLoading() {
  RunGuarded(dialogs_, [this] {
    model_->StartLoad();
    categoryBox_->blockSignals(true);
    while (categoryBox_->count() > 1) categoryBox_->removeItem(1);
    for (const auto& category : model_->Categories()) categoryBox_->addItem(QString::fromStdString(category));
    categoryBox_->blockSignals(false);
    progress_->setRange(0, static_cast<int>(model_->TotalCount()));
    progress_->setValue(0);
    progress_->show();
    cancelLoad_->setEnabled(true);
    statusBar()->showMessage(tr("Reading the roster... (Esc stops)"));
    QTimer::singleShot(0, this, &RosterWindow::LoadNextSlice);
  });
}

bool RosterWindow::Loading() const { return cancelLoad_->isEnabled(); }

void RosterWindow::LoadNextSlice() {
  if (!Loading()) return;
  bool done = false;
  RunGuarded(dialogs_, [this, &done] { done = model_->LoadSome(loadSlice_); });
  progress_->setValue(static_cast<int>(model_->LoadedCount()));
  if (!columnsSized_ && model_->rowCount() > 0) {
    // Fitted to the first rows read: measuring every row of a large roster would cost more
    // than reading it.
    columnsSized_ = true;
    table_->horizontalHeader()->setResizeContentsPrecision(25);
    table_->resizeColumnsToContents();
    for (int column = RosterTableModel::kFirstRatingColumn; column < RosterTableModel::kColumnCount; ++column)
      table_->setColumnWidth(column, std::max(table_->columnWidth(column), 72));
  }
  if (done) {
    FinishLoading(false);
    return;
  }
  QTimer::singleShot(0, this, &RosterWindow::LoadNextSlice);
}

void RosterWindow::FinishLoading(bool cancelled) {
  if (!Loading()) return;
  const auto total = model_->TotalCount();
  if (cancelled) model_->CancelLoad();
  cancelLoad_->setEnabled(false);
  progress_->hide();
  if (cancelled) {
    statusBar()->showMessage(tr("Stopped: %1 of %2 fighters read")
                                 .arg(QLocale().toString(static_cast<qulonglong>(model_->LoadedCount())),
                                      QLocale().toString(static_cast<qulonglong>(total))));
  } else {
    statusBar()->clearMessage();
  }
  ShowCounts();
  emit Loaded();
}

QString RosterWindow::RowCountText() const {
  return tr("%1 of %2 fighters")
      .arg(QLocale().toString(filter_->rowCount()), QLocale().toString(model_->FighterCount()));
}

void RosterWindow::ShowCounts() {
  rowCount_->setText(RowCountText());
  const int errors = model_->ErrorCount();
  const int warnings = model_->WarningCount();
  const QString errorText = errors == 1 ? tr("%1 error") : tr("%1 errors");
  const QString warningText = warnings == 1 ? tr("%1 warning") : tr("%1 warnings");
  problems_->setText(tr("%1, %2").arg(errorText.arg(QLocale().toString(errors)),
                                      warningText.arg(QLocale().toString(warnings))));
  // The fighters of a folder that could not be listed are missing from the table: say which.
  QStringList unlisted;
  for (const roster::UnlistedFolder& folder : model_->UnlistedFolders())
    unlisted << QString::fromStdString(folder.display + ": " + folder.message);
  problems_->setToolTip(unlisted.join('\n'));
}

void RosterWindow::ShowRefusal(const QModelIndex& sourceIndex, const QString& message) {
  lastRefusal_ = message;
  statusBar()->showMessage(message, 10000);
  const QModelIndex shown = filter_->mapFromSource(sourceIndex);
  const QRect cell = table_->visualRect(shown);
  QToolTip::showText(table_->viewport()->mapToGlobal(cell.bottomLeft()), message, table_->viewport(), cell, 10000);
}

bool RosterWindow::Save() {
  bool wroteAll = false;
  RunGuarded(dialogs_, [this, &wroteAll] {
    if (!CommitOpenEditor()) return;
    const RosterTableModel::SaveResult result = model_->Save();
    wroteAll = result.wroteAll;
    setWindowModified(model_->HasUnsavedEdits());
    if (wroteAll)
      statusBar()->showMessage(result.summary, 10000);
    else
      dialogs_.ShowSystemMessage(result.message, kTitle, kMessageIconError);
  });
  return wroteAll;
}

void RosterWindow::TakeUpdate() {
  RunGuarded(dialogs_, [this] {
    if (!CommitOpenEditor()) return;
    // Asked before the folder: the update's edits are never mixed with the player's.
    if (model_->HasUnsavedEdits() || Loading()) {
      dialogs_.ShowSystemMessage(
          Loading() ? tr("The roster is still being read: take the update once it is read.")
                    : tr("Save or discard your edits first: a roster update is shown as edits of its own."),
          kTitle, kMessageIconWarning);
      return;
    }
    const auto folder = dialogs_.GetExistingFolder(tr("The roster update's folder (a copy of its Fighters and Team "
                                                      "folders)"),
                                                   ToQString(folder_.parent_path()));
    if (!folder) return;
    const RosterTableModel::UpdateResult result = model_->TakeUpdate(ToPath(*folder));
    setWindowModified(model_->HasUnsavedEdits());
    ShowCounts();
    if (!result.shown) {
      dialogs_.ShowSystemMessage(result.message, kTitle, kMessageIconError);
      return;
    }
    statusBar()->showMessage(result.message);
    if (!result.notShown.isEmpty()) dialogs_.ShowSystemMessage(result.notShown, kTitle, kMessageIconWarning);
  });
}

bool RosterWindow::CommitOpenEditor() {
  // A cell's editor is a child of the table's viewport: the one with the focus, or the one
  // shown while the focus is elsewhere (a menu's, say).
  QWidget* editor = QApplication::focusWidget();
  if (!editor || !table_->viewport()->isAncestorOf(editor)) editor = nullptr;
  while (editor && editor->parentWidget() != table_->viewport()) editor = editor->parentWidget();
  if (!editor) {
    for (QWidget* child : table_->viewport()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
      if (child->isVisible()) editor = child;
  }
  if (!editor) return true;
  bool refused = false;
  const auto refusal = connect(model_, &RosterTableModel::EditRefused, this, [&refused] { refused = true; });
  const auto failure = connect(model_, &RosterTableModel::EditFailed, this, [&refused] { refused = true; });
  emit table_->itemDelegate()->commitData(editor);
  disconnect(refusal);
  disconnect(failure);
  if (refused) {
    // Left open with the value, which the refusal beside it explains.
    editor->setFocus(Qt::OtherFocusReason);
    return false;
  }
  emit table_->itemDelegate()->closeEditor(editor, QAbstractItemDelegate::NoHint);
  return true;
}

int RosterWindow::CurrentRow() const {
  const QModelIndex current = table_->currentIndex();
  return current.isValid() ? filter_->mapToSource(current).row() : -1;
}

QModelIndex RosterWindow::CurrentCell() const { return filter_->mapToSource(table_->currentIndex()); }

void RosterWindow::UpdateConflictActions() {
  if (!keepMine_) return;
  const QModelIndex cell = CurrentCell();
  const bool conflict = model_->HasConflict(cell);
  keepMine_->setEnabled(conflict || model_->FromUpdate(cell));
  takeTheirs_->setEnabled(conflict);
}

void RosterWindow::ShowTableMenu(const QPoint& position) {
  const QModelIndex cell = table_->indexAt(position);
  if (!cell.isValid()) return;
  table_->setCurrentIndex(cell);
  QMenu menu(this);
  menu.addAction(keepMine_);
  menu.addAction(takeTheirs_);
  menu.exec(table_->viewport()->mapToGlobal(position));
}

void RosterWindow::OpenInEditor(int row) {
  if (row < 0 || row >= model_->rowCount()) return;
  const auto& file = model_->File(row);
  // Its file is written by the next save: the editor would find none.
  if (model_->ToCreate(row)) {
    statusBar()->showMessage(
        tr("%1 is a new fighter of the roster update: save it before opening it in the editor")
            .arg(QString::fromStdString(file.Display())),
        10000);
    return;
  }
  // Named below Fighters as the editor's command line takes it: "LW\Name.txt".
  QString relative = QString::fromStdString(file.cell);
  relative.replace(QLatin1Char('/'), QLatin1Char('\\'));
  const QString folder = ToQString(folder_);
  // Only the editor of the roster's own program folder: another folder's editor would edit
  // that folder's fighter of the same name.
  const QString program = QDir(folder).filePath(EditorProgramName());
  if (!QFileInfo(program).isFile()) {
    dialogs_.ShowSystemMessage(
        tr("There is no editor in the roster's program folder, so the fighter was not opened: %1")
            .arg(QDir::toNativeSeparators(program)),
        kTitle, kMessageIconError);
    return;
  }
  if (launcher_(program, {relative}, folder)) {
    opened_.insert(row);
    statusBar()->showMessage(tr("Opened %1 in the editor").arg(QString::fromStdString(file.Display())), 5000);
  } else {
    dialogs_.ShowSystemMessage(tr("The editor could not be started: %1").arg(program), kTitle,
                               kMessageIconError);
  }
}

void RosterWindow::OnDoubleClick(const QModelIndex& index) {
  const int column = index.column();
  if (column == RosterTableModel::kFileColumn || column == RosterTableModel::ColumnOf(record::Field::FullName)) {
    OpenInEditor(filter_->mapToSource(index).row());
    return;
  }
  table_->edit(index);
}

bool RosterWindow::eventFilter(QObject* watched, QEvent* event) {
  // Enter in a cell's editor ends the edit and reaches the table too: only the table's own
  // Enter opens the fighter.
  if (watched == table_ && event->type() == QEvent::KeyPress && table_->hasFocus()) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      if (const int row = CurrentRow(); row >= 0) OpenInEditor(row);
      return true;
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

void RosterWindow::changeEvent(QEvent* event) {
  // Back from the editor: the fighters opened there may have been saved.
  if (event->type() == QEvent::ActivationChange && isActiveWindow() && !Loading())
    RunGuarded(dialogs_, [this] { ReadWatchedRowsAgain(); });
  QMainWindow::changeEvent(event);
}

void RosterWindow::ReadWatchedRowsAgain() {
  std::set<int> rows = opened_;
  for (const int row : model_->RowsToWatch()) rows.insert(row);
  QStringList conflicts;
  for (const int row : rows) {
    if (row >= model_->rowCount()) continue;
    const bool hadConflicts = !model_->ConflictTitles(row).isEmpty();
    if (model_->ReloadRow(row) == roster::RowSync::Merged && !hadConflicts) {
      if (const QStringList titles = model_->ConflictTitles(row); !titles.isEmpty())
        conflicts << QString::fromStdString(model_->File(row).Display()) + QStringLiteral(": ") + titles.join(QStringLiteral(", "));
    }
  }
  setWindowModified(model_->HasUnsavedEdits());
  if (!conflicts.isEmpty())
    statusBar()->showMessage(tr("Changed here and in the file, keep yours or take the file's: %1")
                                 .arg(conflicts.join(QStringLiteral("; "))));
}

void RosterWindow::closeEvent(QCloseEvent* event) {
  // The value being typed counts, on close as on save; a refused one keeps the window open.
  if (!CommitOpenEditor()) {
    event->ignore();
    return;
  }
  if (model_->HasUnsavedEdits()) {
    switch (unsavedQuestion_()) {
      case QMessageBox::Save:
        if (!Save()) {
          event->ignore();
          return;
        }
        break;
      case QMessageBox::Discard:
        break;
      default:
        event->ignore();
        return;
    }
  }
  if (Loading()) FinishLoading(true);
  event->accept();
}

void RosterWindow::ExportToSpreadsheet() {
  RunGuarded(dialogs_, [this] {
    CommitOpenEditor();
    FileDialogRequest request;
    request.title = tr("Export to spreadsheet");
    request.folder = ToQString(folder_);
    request.fileName = QStringLiteral("roster.xlsx");
    request.filters = {tr("Spreadsheet workbook (*.xlsx)")};
    request.defaultSuffix = QStringLiteral("xlsx");
    const auto answer = dialogs_.GetSaveFileName(request);
    if (!answer) return;
    roster::CheckExportTarget(folder_, ToPath(answer->path));
    const int rows = WriteShownRowsAsWorkbook(*model_, *filter_, ToPath(answer->path));
    statusBar()->showMessage(tr("%1 fighters exported to %2").arg(QLocale().toString(rows), answer->path), 10000);
  });
}

}  // namespace beditor
