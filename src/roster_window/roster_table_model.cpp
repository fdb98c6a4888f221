#include "roster_window/roster_table_model.h"

#include <QColor>
#include <QDir>
#include <algorithm>

#include "core/file_access.h"
#include "core/number_text.h"
#include "qt_adapters/path_text.h"
#include "roster_rules/roster_columns.h"
#include "roster_window/cell_edit_command.h"
#include "roster_window/column_titles.h"
#include "roster_window/refusal_words.h"
#include "roster_window/update_commands.h"

namespace beditor {
namespace {

using record::FieldKind;

QString Text(std::string_view utf8) { return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())); }

// The save's write step in the window's words, a line for each step.
class SaveReport : public roster::ImportWriteReport {
 public:
  void TeamFileCreated(const std::string& team) override {
    lines_ << RosterTableModel::tr("Created the team file Team/%1.txt").arg(Text(team));
  }
  void Written(const roster::RowPlan& row) override {
    const QString target = Text(row.target.Display());
    switch (row.action) {
      case roster::RowPlan::Action::Change: lines_ << RosterTableModel::tr("Saved %1").arg(target); break;
      case roster::RowPlan::Action::Move:
        lines_ << RosterTableModel::tr("Moved %1 to %2").arg(Text(row.source.Display()), target);
        break;
      case roster::RowPlan::Action::Create: lines_ << RosterTableModel::tr("Created %1").arg(target); break;
    }
  }
  void OldFileKept(const roster::RowPlan& row, const std::string& reason) override {
    lines_ << RosterTableModel::tr("%1 was written to %2, but the old file could not be removed, so the fighter is "
                                   "in both folders: %3")
                  .arg(Text(row.source.Display()), Text(row.target.Display()), Text(reason));
  }
  void Stopped(const roster::RowPlan&, const std::string& file, const std::string& reason, int written) override {
    lines_ << RosterTableModel::tr("Saving stopped while writing %1: %2").arg(Text(file), Text(reason))
           << RosterTableModel::tr("%1 is untouched; %2 files were written whole before it; the edits after it are kept.")
                  .arg(Text(file))
                  .arg(written);
  }
  const QStringList& Lines() const { return lines_; }

  static QString Summary(const roster::ImportCounts& counts) {
    QString summary = RosterTableModel::tr("Saved: %1 changed, %2 moved, %3 created")
                          .arg(counts.changed)
                          .arg(counts.moved)
                          .arg(counts.created);
    // An update's team files, as `merge` counts them.
    if (counts.teamFiles > 0)
      summary += QStringLiteral("; ") + RosterTableModel::tr("%n team file(s) created", nullptr, counts.teamFiles);
    return summary;
  }

 private:
  QStringList lines_;
};

bool IsNumberColumn(int column) {
  if (column >= RosterTableModel::kFirstRatingColumn) return true;
  return column >= RosterTableModel::kFirstFieldColumn &&
         record::kFields[RosterTableModel::FieldOf(column)].kind == FieldKind::Ability;
}

}  // namespace

int RosterTableModel::ColumnOf(record::Field field) {
  return kFirstFieldColumn + static_cast<int>(record::RowOf(field));
}

RosterTableModel::RosterTableModel(std::filesystem::path folder, record::Game game, QObject* parent)
    : QAbstractTableModel(parent),
      folder_(std::move(folder)),
      game_(game),
      context_(std::make_unique<roster::RosterContext>(Context(quiet_, quiet_))),
      roster_(*context_) {
  titles_ = ColumnTitles(folder_);
}

RosterTableModel::~RosterTableModel() {
  // The commands refer to the model: they go first.
  undo_.clear();
}

roster::RosterContext RosterTableModel::Context(std::ostream& out, std::ostream& err) const {
  return roster::RosterContext{folder_, game_, out, err, false};
}

void RosterTableModel::StartLoad() {
  beginResetModel();
  undo_.clear();
  try {
    roster_.StartLoad();
  } catch (...) {
    endResetModel();
    throw;
  }
  endResetModel();
}

bool RosterTableModel::LoadSome(std::chrono::milliseconds budget) {
  std::vector<roster::RosterRow> batch = roster_.ReadSome(std::chrono::steady_clock::now() + budget);
  if (batch.empty()) return true;
  const int first = rowCount();
  beginInsertRows({}, first, first + static_cast<int>(batch.size()) - 1);
  roster_.Append(std::move(batch));
  endInsertRows();
  emit ProblemsCounted();
  return !Loading();
}

void RosterTableModel::LoadAll() {
  while (!LoadSome(std::chrono::hours(1))) {
  }
}

void RosterTableModel::CancelLoad() { roster_.CancelLoad(); }

int RosterTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(roster_.Size());
}

int RosterTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kColumnCount; }

bool RosterTableModel::Loadable(int row) const { return roster_.Row(static_cast<std::size_t>(row)).Loadable(); }

bool RosterTableModel::Gone(int row) const { return roster_.Row(static_cast<std::size_t>(row)).gone; }

std::string RosterTableModel::CellText(int row, int column) const {
  const auto index = static_cast<std::size_t>(row);
  if (column == kFileColumn) return roster_.Row(index).file.cell;
  if (column >= kFirstRatingColumn) {
    const auto& ratings = roster_.Ratings(index);
    return ratings ? std::to_string((*ratings)[static_cast<std::size_t>(column - kFirstRatingColumn)])
                   : std::string();
  }
  return roster_.Cell(index, FieldOf(column));
}

std::vector<const roster::Finding*> RosterTableModel::FindingsOf(const roster::RosterRow& row, int column) const {
  std::vector<const roster::Finding*> found;
  const int line = column >= kFirstFieldColumn && column < kFirstRatingColumn
                       ? record::kFields[FieldOf(column)].line + 1
                       : 0;
  for (const auto& finding : row.findings)
    if (column == kFileColumn || finding.line == line) found.push_back(&finding);
  return found;
}

QString RosterTableModel::ToolTip(int rowIndex, int column) const {
  const roster::RosterRow& row = roster_.Row(static_cast<std::size_t>(rowIndex));
  QStringList lines;
  if (column == kFileColumn && row.heldByDisk)
    lines << tr("The file on disk can no longer be loaded: the row shows it as it was read, and its edits are "
                "kept, unsaved, until the file is mended.");
  if (column == kFileColumn && row.gone)
    lines << tr("Gone from disk (moved or deleted by another program).");
  if (column == kFileColumn && row.ToCreate())
    lines << tr("New fighter from the roster update: the next save creates the file (Keep mine takes it back).");
  if (column >= kFirstFieldColumn && column < kFirstRatingColumn) {
    const std::size_t field = FieldOf(column);
    if (const auto conflict = row.conflicts.find(field); conflict != row.conflicts.end()) {
      const QString here = Text(row.edits.at(field)), theirs = Text(conflict->second.theirs),
                    base = Text(conflict->second.base);
      if (conflict->second.side == roster::EditConflict::Side::Update)
        lines << tr("Changed here and in the roster update: here \"%1\", in the update \"%2\", before \"%3\". "
                    "Keep yours or take the update's (right-click).")
                     .arg(here, theirs, base);
      else
        lines << tr("Changed here and in the file: here \"%1\", in the file \"%2\", before \"%3\". Keep yours or "
                    "take the file's (right-click).")
                     .arg(here, theirs, base);
    } else if (row.EditFromUpdate(field)) {
      lines << tr("From the roster update; before: \"%1\" (Keep mine takes it back).")
                   .arg(Text(roster_.CellBefore(static_cast<std::size_t>(rowIndex), field)));
    }
  }
  for (const auto* finding : FindingsOf(row, column))
    lines << tr("line %1: %2: %3")
                 .arg(finding->line)
                 .arg(finding->error ? tr("error") : tr("warning"), Text(finding->message));
  return lines.join(QLatin1Char('\n'));
}

QVariant RosterTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount() || index.column() >= kColumnCount) return {};
  const auto rowIndex = static_cast<std::size_t>(index.row());
  const roster::RosterRow& row = roster_.Row(rowIndex);
  const int column = index.column();
  const bool fieldColumn = column >= kFirstFieldColumn && column < kFirstRatingColumn;
  switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
      return Text(CellText(index.row(), column));
    case kSortRole: {
      if (column >= kFirstRatingColumn) {
        const auto& ratings = roster_.Ratings(rowIndex);
        if (!ratings) return QVariant();
        return (*ratings)[static_cast<std::size_t>(column - kFirstRatingColumn)];
      }
      if (fieldColumn && row.Loadable()) {
        const auto& number = row.view->numbers[FieldOf(column)];
        if (number) return static_cast<qlonglong>(*number);
      }
      const std::string text = CellText(index.row(), column);
      if (const auto number = TryParseInteger(text)) return static_cast<qlonglong>(*number);
      return Text(text);
    }
    case kRatingRole:
      if (column < kFirstRatingColumn || !roster_.Ratings(rowIndex)) return {};
      return (*roster_.Ratings(rowIndex))[static_cast<std::size_t>(column - kFirstRatingColumn)];
    case kChoicesRole: {
      if (!fieldColumn || record::kFields[FieldOf(column)].kind != FieldKind::Choice) return {};
      QStringList entries;
      for (const auto& entry : roster_.Lists().Entries(record::kFields[FieldOf(column)].list)) entries << Text(entry);
      return entries;
    }
    case kEditedRole:
      return fieldColumn && (row.edits.count(FieldOf(column)) > 0 || row.ToCreate());
    case kConflictRole:
      return fieldColumn && row.conflicts.count(FieldOf(column)) > 0;
    case kHeldRole:
      return row.heldByDisk;
    case kProblemRole: {
      const auto found = FindingsOf(row, column);
      if (found.empty()) return 0;
      return std::any_of(found.begin(), found.end(), [](const roster::Finding* f) { return f->error; }) ? 2 : 1;
    }
    case Qt::ToolTipRole: {
      const QString tip = ToolTip(index.row(), column);
      return tip.isEmpty() ? QVariant() : QVariant(tip);
    }
    case Qt::ForegroundRole:
      if (!row.Loadable() || row.gone || row.heldByDisk) return QColor(Qt::gray);
      return {};
    case Qt::BackgroundRole:
      if (fieldColumn && row.conflicts.count(FieldOf(column))) return QColor(255, 190, 170);
      if (fieldColumn && (row.edits.count(FieldOf(column)) || row.ToCreate())) return QColor(255, 236, 150);
      return {};
    case Qt::TextAlignmentRole:
      if (IsNumberColumn(column)) return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
      return {};
    default:
      return {};
  }
}

QVariant RosterTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= kColumnCount) {
    return QAbstractTableModel::headerData(section, orientation, role);
  }
  const bool rating = section >= kFirstRatingColumn;
  if (role == Qt::DisplayRole) return ColumnTitle(section);
  if (role == Qt::ToolTipRole) {
    // The CSV's column name, for those who also use the roster tool.
    if (section == kFileColumn) return QStringLiteral("file");
    if (rating) return QString::fromLatin1(roster::kRatingColumns[static_cast<std::size_t>(section - kFirstRatingColumn)]);
    return QString::fromLatin1(record::kFields[FieldOf(section)].column);
  }
  return {};
}

Qt::ItemFlags RosterTableModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  Qt::ItemFlags flags = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
  if (index.column() >= kFirstFieldColumn && index.column() < kFirstRatingColumn &&
      roster_.Editable(static_cast<std::size_t>(index.row())))
    flags |= Qt::ItemIsEditable;
  return flags;
}

bool RosterTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  // Called from the view's delegate: nothing may be thrown through it.
  try {
    return Edit(index, value, role);
  } catch (const BEditorError& error) {
    emit EditFailed(index, QString::fromUtf8(error.what()));
    return false;
  }
}

bool RosterTableModel::Edit(const QModelIndex& index, const QVariant& value, int role) {
  if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable)) return false;
  roster::EditedRoster::EditCheck edit =
      roster_.CheckEdit(static_cast<std::size_t>(index.row()), FieldOf(index.column()), value.toString().toStdString());
  if (edit.refusal) {
    emit EditRefused(index, *edit.refusal);
    return false;
  }
  if (edit.changes)
    undo_.push(new CellEditCommand(*this, index.row(), FieldOf(index.column()), std::move(edit.before),
                                   std::move(edit.after)));
  return true;
}

void RosterTableModel::ApplyEdit(int row, std::size_t field, const std::optional<std::string>& text) {
  roster_.SetEdit(static_cast<std::size_t>(row), field, text);
  RowChanged(row);
}

bool RosterTableModel::HasConflict(const QModelIndex& index) const {
  return index.isValid() && index.data(kConflictRole).toBool();
}

std::optional<roster::EditConflict> RosterTableModel::ConflictOf(int row, std::size_t field) const {
  const auto& conflicts = roster_.Row(static_cast<std::size_t>(row)).conflicts;
  const auto found = conflicts.find(field);
  if (found == conflicts.end()) return std::nullopt;
  return found->second;
}

void RosterTableModel::RestoreConflict(int row, std::size_t field, const roster::EditConflict& conflict) {
  roster_.RestoreConflict(static_cast<std::size_t>(row), field, conflict);
  RowChanged(row);
}

void RosterTableModel::KeepMine(const QModelIndex& index) {
  if (!HasConflict(index)) return;
  roster_.KeepMine(static_cast<std::size_t>(index.row()), FieldOf(index.column()));
  RowChanged(index.row());
}

void RosterTableModel::TakeTheirs(const QModelIndex& index) {
  if (!HasConflict(index)) return;
  const roster::RosterRow& row = roster_.Row(static_cast<std::size_t>(index.row()));
  undo_.push(new CellEditCommand(*this, index.row(), FieldOf(index.column()), row.edits.at(FieldOf(index.column())),
                                 std::nullopt));
}

QStringList RosterTableModel::ConflictTitles(int row) const {
  QStringList titles;
  for (const auto& [field, conflict] : roster_.Row(static_cast<std::size_t>(row)).conflicts)
    titles << ColumnTitle(kFirstFieldColumn + static_cast<int>(field));
  return titles;
}

std::vector<int> RosterTableModel::RowsToWatch() const {
  std::vector<int> rows;
  for (std::size_t i = 0; i < roster_.Size(); ++i) {
    const roster::RosterRow& row = roster_.Row(i);
    if (!row.gone && (!row.Loadable() || row.heldByDisk || !row.conflicts.empty())) rows.push_back(static_cast<int>(i));
  }
  return rows;
}

int RosterTableModel::DiscardGoneEdits() {
  int fighters = 0;
  for (std::size_t i = 0; i < roster_.Size(); ++i) {
    const roster::RosterRow& row = roster_.Row(i);
    if (!row.gone || row.edits.empty()) continue;
    if (fighters++ == 0) undo_.beginMacro(tr("discard the edits of fighters gone from disk"));
    // Copied: each command changes the row's edits.
    const auto edits = row.edits;
    for (const auto& [field, text] : edits)
      undo_.push(new CellEditCommand(*this, static_cast<int>(i), field, text, std::nullopt));
  }
  if (fighters > 0) undo_.endMacro();
  return fighters;
}

bool RosterTableModel::RowContains(int row, const QString& text) const {
  for (const record::Field field :
       {record::Field::FullName, record::Field::CommonName, record::Field::Team, record::Field::Nationality})
    if (Text(CellText(row, ColumnOf(field))).contains(text, Qt::CaseInsensitive)) return true;
  return false;
}

QString RosterTableModel::CategoryText(int row) const { return Text(CellText(row, ColumnOf(record::Field::Category))); }

RosterTableModel::SaveResult RosterTableModel::Save() {
  SaveReport report;
  const roster::RosterSave save = roster_.Save(report);
  const auto files = [this](const std::vector<std::size_t>& rows) {
    QStringList names;
    for (const std::size_t row : rows) names << Text(roster_.Row(row).file.Display());
    return names.join(QStringLiteral(", "));
  };
  QStringList said;
  if (!save.merged.empty()) {
    said << tr("Changed on disk since it was read, not overwritten: read again, with its edits on top; "
               "save again to write them: %1")
                .arg(files(save.merged));
  }
  for (const std::size_t row : save.conflicted) {
    said << tr("%1: changed here and in the file to different values in %2; not saved until you keep yours or "
               "take the file's (right-click the marked cell)")
                .arg(Text(roster_.Row(row).file.Display()),
                     ConflictTitles(static_cast<int>(row)).join(QStringLiteral(", ")));
  }
  if (!save.gone.empty()) {
    said << tr("Gone from disk (moved or deleted by another program), its edits cannot be saved: %1. "
               "Edit > Discard edits of gone fighters takes them back.")
                .arg(files(save.gone));
  }
  if (!save.held.empty()) {
    said << tr("Can no longer be loaded from disk (another program left it broken): its edits are kept, unsaved, "
               "and the row is read again once the file is mended: %1")
                .arg(files(save.held));
  }
  if (!save.unreadable.empty()) {
    said << tr("Could not be read to check for changes, not saved (its edits are kept): %1")
                .arg(files(save.unreadable));
  }
  if (!save.refusals.empty()) {
    // Named by their files, each refusal carrying the row it was planned for.
    for (const roster::Refusal& refusal : save.refusals) {
      const int column = refusal.field ? ColumnOf(*refusal.field) : kFileColumn;
      said << Text(roster_.Row(static_cast<std::size_t>(refusal.row)).file.Display()) + QStringLiteral(": ") +
                  RefusalWords(refusal, ColumnTitle(column));
    }
    said << tr("Nothing was written.");
  }
  if (save.Wrote()) undo_.clear();
  AllChanged();

  SaveResult result;
  result.wroteAll = save.Complete();
  said = report.Lines() + said;
  if (save.Wrote() && !save.written->stopped) {
    result.summary = SaveReport::Summary(save.written->counts);
    said << result.summary;
  } else if (!save.Wrote() && said.isEmpty()) {
    result.summary = tr("Nothing to save");
  }
  if (save.goneKept > 0) {
    const QString kept = tr("The edits of %n fighter(s) gone from disk are kept, unsaved (Edit > Discard edits of "
                            "gone fighters)", nullptr, static_cast<int>(save.goneKept));
    result.summary = result.summary.isEmpty() ? kept : result.summary + QStringLiteral("; ") + kept;
    said << kept;
  }
  result.message = said.join(QLatin1Char('\n'));
  if (result.summary.isEmpty()) result.summary = result.message;
  return result;
}

roster::RowSync RosterTableModel::ReloadRow(int row) {
  const roster::RowSync sync = roster_.SyncWithDisk(static_cast<std::size_t>(row));
  if (sync == roster::RowSync::Same || sync == roster::RowSync::Unreadable) return sync;
  roster_.RecheckAll();
  AllChanged();
  return sync;
}

int RosterTableModel::FighterCount() const {
  int count = 0;
  for (std::size_t i = 0; i < roster_.Size(); ++i) count += roster_.Row(i).withdrawn ? 0 : 1;
  return count;
}

void RosterTableModel::SetCreation(const std::vector<std::size_t>& rows, bool create) {
  roster_.SetCreation(rows, create);
  AllChanged();
}

void RosterTableModel::SetTeamFilesToCopy(std::vector<std::string> files) {
  roster_.SetTeamFilesToCopy(std::move(files));
}

bool RosterTableModel::FromUpdate(const QModelIndex& index) const {
  if (!index.isValid()) return false;
  const roster::RosterRow& row = roster_.Row(static_cast<std::size_t>(index.row()));
  if (row.ToCreate()) return true;
  const int column = index.column();
  return column >= kFirstFieldColumn && column < kFirstRatingColumn && row.EditFromUpdate(FieldOf(column));
}

void RosterTableModel::KeepMineOverUpdate(const QModelIndex& index) {
  if (!FromUpdate(index)) return;
  const roster::RosterRow& row = roster_.Row(static_cast<std::size_t>(index.row()));
  if (row.ToCreate()) {
    undo_.push(new NewRowCommand(*this, {static_cast<std::size_t>(index.row())}, false));
    return;
  }
  undo_.push(new CellEditCommand(*this, index.row(), FieldOf(index.column()), row.edits.at(FieldOf(index.column())),
                                 std::nullopt));
}

RosterTableModel::UpdateResult RosterTableModel::TakeUpdate(const std::filesystem::path& folder) {
  // Rows may be added, read again or found gone: the view is told all at once.
  beginResetModel();
  roster::ShownUpdate shown;
  try {
    shown = roster_.ShowUpdate(folder);
  } catch (...) {
    endResetModel();
    throw;
  }
  endResetModel();
  emit ProblemsCounted();

  UpdateResult result;
  const QString named = QStringLiteral("\"%1\"").arg(QDir::toNativeSeparators(ToQString(folder)));
  using Refused = roster::ShownUpdate::Refused;
  switch (shown.refused) {
    case Refused::No:
      break;
    case Refused::UnsavedEdits:
      result.message = tr("Save or discard your edits first: a roster update is shown as edits of its own.");
      return result;
    case Refused::Loading:
      result.message = tr("The roster is still being read: take the update once it is read.");
      return result;
    case Refused::Folder:
      switch (shown.folderProblem) {
        case roster::OtherFolderProblem::NoFightersFolder:
          result.message = tr("The update %1 is not a program folder: it has no Fighters folder.").arg(named);
          break;
        case roster::OtherFolderProblem::OwnFolder:
          result.message = tr("%1 is the roster's own program folder, not an update.").arg(named);
          break;
        default:
          result.message = tr("The update %1 is not a folder.").arg(named);
          break;
      }
      return result;
    case Refused::Unlisted: {
      QStringList folders;
      for (const auto& unlisted : shown.unlisted)
        folders << (unlisted.inUpdate ? tr("in the update: %1").arg(Text(unlisted.folder.display))
                                      : Text(unlisted.folder.display)) +
                       QStringLiteral(": ") + Text(unlisted.folder.message);
      result.message = tr("The update was not shown: a category folder could not be listed, and a roster is not "
                          "compared by half.\n%1")
                           .arg(folders.join(QLatin1Char('\n')));
      return result;
    }
    case Refused::Plan: {
      QStringList lines;
      for (const roster::Refusal& refusal : shown.refusals) {
        const int column = refusal.field ? ColumnOf(*refusal.field) : kFileColumn;
        lines << Text(shown.refusalFiles[static_cast<std::size_t>(refusal.row - 1)]) + QStringLiteral(": ") +
                     RefusalWords(refusal, ColumnTitle(column));
      }
      result.message = tr("The update was not shown:\n%1").arg(lines.join(QLatin1Char('\n')));
      return result;
    }
  }
  result.shown = true;
  if (shown.Empty()) {
    result.message = tr("The roster update changes nothing here.");
    return result;
  }
  undo_.beginMacro(tr("take the roster update"));
  for (const roster::ShownUpdate::Edit& edit : shown.edits)
    undo_.push(new CellEditCommand(*this, static_cast<int>(edit.row), edit.field, std::nullopt, edit.cell));
  // One command for all new rows: each creation checks the whole roster again.
  if (!shown.newRows.empty()) undo_.push(new NewRowCommand(*this, shown.newRows, true));
  if (!shown.teamFiles.empty()) undo_.push(new TeamFilesCommand(*this, shown.teamFiles));
  undo_.endMacro();
  result.message = tr("Roster update shown, to save or undo: %1 changed fields in %2 fighters (%3 moved by their "
                      "category), %4 new fighters, %5 team files to copy.")
                       .arg(shown.edits.size())
                       .arg(shown.changedFighters)
                       .arg(shown.moved)
                       .arg(shown.newRows.size())
                       .arg(shown.teamFiles.size());
  if (!shown.placesNotShown.empty()) {
    QStringList places;
    for (const auto& [from, to] : shown.placesNotShown) places << Text(from) + QStringLiteral(" -> ") + Text(to);
    result.notShown = tr("The update puts these fighters under another file name, or in a folder other than their "
                         "category's, which the window cannot do as an edit; their other changes are shown:\n%1")
                          .arg(places.join(QLatin1Char('\n')));
  }
  return result;
}

void RosterTableModel::RowChanged(int row) { emit dataChanged(index(row, 0), index(row, kColumnCount - 1)); }

void RosterTableModel::AllChanged() {
  if (rowCount() > 0) emit dataChanged(index(0, 0), index(rowCount() - 1, kColumnCount - 1));
  emit ProblemsCounted();
}

}  // namespace beditor
