#include "roster_window/roster_table_model.h"

#include <QApplication>
#include <QColor>
#include <QIcon>
#include <QStyle>
#include <algorithm>

#include "core/file_access.h"
#include "core/number_text.h"
#include "roster_rules/cell_edit.h"
#include "roster_rules/import_plan.h"
#include "roster_rules/import_write.h"
#include "roster_rules/line_splice.h"
#include "roster_rules/roster_columns.h"
#include "roster_window/cell_edit_command.h"
#include "roster_window/column_titles.h"
#include "roster_window/refusal_words.h"

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
    return RosterTableModel::tr("Saved: %1 changed, %2 moved, %3 created").arg(counts.changed).arg(counts.moved).arg(counts.created);
  }

 private:
  QStringList lines_;
};

bool IsNumberColumn(int column) {
  if (column >= RosterTableModel::kFirstRatingColumn) return true;
  return column >= RosterTableModel::kFirstFieldColumn &&
         record::kFields[RosterTableModel::FieldOf(column)].kind == FieldKind::Ability;
}

// The standard message-box icons, made once: a table asks for them for every painted cell.
const QIcon& ProblemIcon(bool error) {
  static const QIcon errorIcon = QApplication::style()->standardIcon(QStyle::SP_MessageBoxCritical);
  static const QIcon warningIcon = QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning);
  return error ? errorIcon : warningIcon;
}

}  // namespace

int RosterTableModel::ColumnOf(record::Field field) {
  return kFirstFieldColumn + static_cast<int>(record::RowOf(field));
}

RosterTableModel::RosterTableModel(std::filesystem::path folder, record::Game game, QObject* parent)
    : QAbstractTableModel(parent), folder_(std::move(folder)), game_(game) {
  context_ = std::make_unique<roster::RosterContext>(Context(quiet_, quiet_));
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
  lists_ = std::make_unique<roster::ChoiceLists>(roster::ChoiceLists::Read(*context_));
  auto roster = roster::ListRoster(*context_);
  beginResetModel();
  undo_.clear();
  rows_.clear();
  // Never grows past this: the check keeps pointers to the rows' files.
  rows_.reserve(roster.files.size());
  pending_ = std::move(roster.files);
  unlisted_ = std::move(roster.unlisted);
  next_ = 0;
  // A folder that could not be listed is an error of the roster, as the check counts it.
  errors_ = static_cast<int>(unlisted_.size());
  warnings_ = 0;
  reader_ = std::make_unique<roster::FighterReader>(*context_);
  check_ = std::make_unique<roster::RosterCheck>(*context_, *lists_, pending_.size());
  endResetModel();
}

RosterTableModel::Row RosterTableModel::ReadRow(roster::FighterFile file) {
  Row row;
  row.file = std::move(file);
  try {
    const std::string_view bytes = reader_->Bytes(row.file);
    row.original.assign(bytes);
    row.view = std::make_unique<roster::FighterView>();
    row.view->Load(bytes);
  } catch (const BEditorError& error) {
    row.view.reset();
    row.findings = {{1, true, error.what()}};
  }
  ForgetRatings(row);
  return row;
}

void RosterTableModel::ForgetRatings(Row& row) {
  row.ratings.reset();
  row.rated = false;
}

std::optional<std::string> RosterTableModel::BytesOnDisk(const roster::FighterFile& file) const {
  try {
    return ReadWholeFile(roster::PathOf(*context_, file));
  } catch (const BEditorError&) {
    return std::nullopt;
  }
}

const std::optional<std::array<int, 6>>& RosterTableModel::RatingsOf(const Row& row) const {
  if (!row.rated) {
    row.rated = true;
    if (row.view)
      if (const auto ratings = roster::RatingsOf(*row.view)) row.ratings = roster::RatingValues(*ratings);
  }
  return row.ratings;
}

bool RosterTableModel::LoadSome(std::chrono::milliseconds budget) {
  const auto deadline = std::chrono::steady_clock::now() + budget;
  std::vector<Row> batch;
  batch.reserve(std::min<std::size_t>(pending_.size() - next_, 4096));
  while (next_ < pending_.size()) {
    // Taken from the list: only its count is wanted afterwards.
    batch.push_back(ReadRow(std::move(pending_[next_++])));
    if ((batch.size() & 31) == 0 && std::chrono::steady_clock::now() >= deadline) break;
  }
  if (batch.empty()) return true;
  const int first = static_cast<int>(rows_.size());
  beginInsertRows({}, first, first + static_cast<int>(batch.size()) - 1);
  for (Row& row : batch) {
    rows_.push_back(std::move(row));
    Row& placed = rows_.back();
    if (placed.view) placed.findings = check_->CheckLoaded(placed.file, *placed.view);
    for (const auto& finding : placed.findings) ++(finding.error ? errors_ : warnings_);
  }
  endInsertRows();
  emit ProblemsCounted();
  return !Loading();
}

void RosterTableModel::LoadAll() {
  while (!LoadSome(std::chrono::hours(1))) {
  }
}

void RosterTableModel::CancelLoad() {
  pending_.resize(next_);
  reader_.reset();
}

int RosterTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int RosterTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kColumnCount; }

bool RosterTableModel::Loadable(int row) const {
  const Row& r = rows_[static_cast<std::size_t>(row)];
  return r.view && r.view->Loadable();
}

bool RosterTableModel::Gone(int row) const { return rows_[static_cast<std::size_t>(row)].gone; }

std::string RosterTableModel::CellText(int row, int column) const {
  const Row& r = rows_[static_cast<std::size_t>(row)];
  if (column == kFileColumn) return r.file.cell;
  if (column >= kFirstRatingColumn) {
    const auto& ratings = RatingsOf(r);
    return ratings ? std::to_string((*ratings)[static_cast<std::size_t>(column - kFirstRatingColumn)])
                     : std::string();
  }
  if (!r.view) return {};
  std::string converted;
  const std::string_view cell = roster::ExportCellView(*r.view, *lists_, FieldOf(column), converted);
  return std::string(cell);
}

std::vector<const roster::Finding*> RosterTableModel::FindingsOf(const Row& row, int column) const {
  std::vector<const roster::Finding*> found;
  const int line = column >= kFirstFieldColumn && column < kFirstRatingColumn
                       ? record::kFields[FieldOf(column)].line + 1
                       : 0;
  for (const auto& finding : row.findings)
    if (column == kFileColumn || finding.line == line) found.push_back(&finding);
  return found;
}

QVariant RosterTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount() || index.column() >= kColumnCount) return {};
  const Row& row = rows_[static_cast<std::size_t>(index.row())];
  const int column = index.column();
  const bool fieldColumn = column >= kFirstFieldColumn && column < kFirstRatingColumn;
  switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
      return Text(CellText(index.row(), column));
    case kSortRole: {
      if (column >= kFirstRatingColumn) {
        const auto& ratings = RatingsOf(row);
        if (!ratings) return QVariant();
        return (*ratings)[static_cast<std::size_t>(column - kFirstRatingColumn)];
      }
      if (fieldColumn && row.view && row.view->Loadable()) {
        const auto& number = row.view->numbers[FieldOf(column)];
        if (number) return static_cast<qlonglong>(*number);
      }
      const std::string text = CellText(index.row(), column);
      if (const auto number = TryParseInteger(text)) return static_cast<qlonglong>(*number);
      return Text(text);
    }
    case kRatingRole:
      if (column < kFirstRatingColumn || !RatingsOf(row)) return {};
      return (*RatingsOf(row))[static_cast<std::size_t>(column - kFirstRatingColumn)];
    case kChoicesRole: {
      if (!fieldColumn || record::kFields[FieldOf(column)].kind != FieldKind::Choice) return {};
      QStringList entries;
      for (const auto& entry : lists_->Entries(record::kFields[FieldOf(column)].list)) entries << Text(entry);
      return entries;
    }
    case kEditedRole:
      return fieldColumn && row.edits.count(FieldOf(column)) > 0;
    case kProblemRole:
    case Qt::DecorationRole:
    case Qt::ToolTipRole: {
      const auto found = FindingsOf(row, column);
      if (found.empty()) return role == kProblemRole ? QVariant(0) : QVariant();
      const bool error = std::any_of(found.begin(), found.end(), [](const roster::Finding* f) { return f->error; });
      if (role == kProblemRole) return error ? 2 : 1;
      if (role == Qt::DecorationRole) return ProblemIcon(error);
      QStringList lines;
      for (const auto* finding : found)
        lines << tr("line %1: %2: %3")
                     .arg(finding->line)
                     .arg(finding->error ? tr("error") : tr("warning"), Text(finding->message));
      return lines.join(QLatin1Char('\n'));
    }
    case Qt::ForegroundRole:
      if (!row.view || !row.view->Loadable() || row.gone) return QColor(Qt::gray);
      return {};
    case Qt::BackgroundRole:
      if (fieldColumn && row.edits.count(FieldOf(column))) return QColor(255, 236, 150);
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
  if (index.column() >= kFirstFieldColumn && index.column() < kFirstRatingColumn && Loadable(index.row()) &&
      !Gone(index.row()))
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
  Row& row = rows_[static_cast<std::size_t>(index.row())];
  const std::size_t field = FieldOf(index.column());
  const std::string text = value.toString().toStdString();
  if (text == CellText(index.row(), index.column())) return true;

  std::optional<std::string> before;
  if (const auto edit = row.edits.find(field); edit != row.edits.end()) before = edit->second;
  roster::FighterView original;
  original.Load(row.original);
  roster::CellEdit edit = roster::EditOfCell(original, *lists_, game_, field, text);
  if (!edit.refusal && edit.line && record::kFields[field].field == record::Field::Category &&
      !roster::FolderOfCategoryLine(*edit.line, game_))
    edit.refusal = roster::NoCategoryFolder(text, game_);
  if (edit.refusal) {
    edit.refusal->row = index.row();
    emit EditRefused(index, *edit.refusal);
    return false;
  }
  // Back to what the file holds is no edit, as the import sees it.
  std::optional<std::string> after;
  if (edit.line) after = text;
  if (before == after) return true;
  undo_.push(new CellEditCommand(*this, index.row(), field, std::move(before), std::move(after)));
  return true;
}

void RosterTableModel::ApplyEdit(int rowIndex, std::size_t field, const std::optional<std::string>& text) {
  Row& row = rows_[static_cast<std::size_t>(rowIndex)];
  if (text)
    row.edits[field] = *text;
  else
    row.edits.erase(field);
  ShowEdits(row);
  emit dataChanged(index(rowIndex, 0), index(rowIndex, kColumnCount - 1));
}

void RosterTableModel::ShowEdits(Row& row) {
  std::map<int, std::string> lines;
  for (const auto& [editedField, cell] : row.edits) {
    roster::Refusal refusal;
    if (auto line = roster::CellToLine(record::kFields[editedField], cell, *lists_, game_, &refusal))
      lines[record::kFields[editedField].line] = std::move(*line);
  }
  row.view->Load(lines.empty() ? row.original : roster::ReplaceLinesKeepingBytes(row.original, lines));
  ForgetRatings(row);
}

void RosterTableModel::Rebase(Row& row, std::string bytesOnDisk) {
  row.original = std::move(bytesOnDisk);
  roster::FighterView original;
  original.Load(row.original);
  // The edits are per field: each stays on top of the file as it is now, unless the file
  // now holds what it says, or the file can no longer take it.
  for (auto edit = row.edits.begin(); edit != row.edits.end();) {
    const roster::CellEdit result =
        original.Loadable() ? roster::EditOfCell(original, *lists_, game_, edit->first, edit->second) : roster::CellEdit{};
    edit = result.line ? std::next(edit) : row.edits.erase(edit);
  }
  ShowEdits(row);
}

bool RosterTableModel::RowContains(int row, const QString& text) const {
  for (const record::Field field :
       {record::Field::FullName, record::Field::CommonName, record::Field::Team, record::Field::Nationality})
    if (Text(CellText(row, ColumnOf(field))).contains(text, Qt::CaseInsensitive)) return true;
  return false;
}

QString RosterTableModel::CategoryText(int row) const { return Text(CellText(row, ColumnOf(record::Field::Category))); }

bool RosterTableModel::HasUnsavedEdits() const {
  return std::any_of(rows_.begin(), rows_.end(), [](const Row& row) { return !row.edits.empty(); });
}

RosterTableModel::SaveResult RosterTableModel::Save() {
  SaveResult result;
  QStringList changedOnDisk;
  QStringList gone;
  QStringList unreadable;
  std::vector<roster::ImportRow> edited;
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    Row& row = rows_[i];
    if (row.edits.empty()) continue;
    auto bytes = row.gone ? std::nullopt : BytesOnDisk(row.file);
    if (!bytes && !row.gone && IsExistingFile(roster::PathOf(*context_, row.file))) {
      unreadable << Text(row.file.Display());
      continue;
    }
    if (!bytes) {
      MarkGone(static_cast<int>(i));
      gone << Text(row.file.Display());
      continue;
    }
    if (*bytes != row.original) {
      // Changed by another program (the editor, say): its edits go on top of the file as it is
      // now, for the next save to write.
      Rebase(row, std::move(*bytes));
      changedOnDisk << Text(row.file.Display());
      continue;
    }
    roster::ImportRow& importRow = edited.emplace_back();
    importRow.row = static_cast<int>(i);
    importRow.file = row.file.cell;
    for (const auto& [field, cell] : row.edits) importRow.cells[field] = cell;
  }

  QStringList said;
  if (!changedOnDisk.isEmpty()) {
    said << tr("Changed on disk since it was read, not overwritten: read again, with its edits on top; "
               "save again to write them: %1")
                .arg(changedOnDisk.join(QStringLiteral(", ")));
  }
  if (!gone.isEmpty()) {
    said << tr("Gone from disk (moved or deleted by another program), its edits cannot be saved: %1")
                .arg(gone.join(QStringLiteral(", ")));
  }
  if (!unreadable.isEmpty()) {
    said << tr("Could not be read to check for changes, not saved (its edits are kept): %1")
                .arg(unreadable.join(QStringLiteral(", ")));
  }
  if (!changedOnDisk.isEmpty()) RecheckAll();
  if (edited.empty()) {
    result.wroteAll = said.isEmpty();
    result.message = said.isEmpty() ? tr("Nothing to save") : said.join(QLatin1Char('\n'));
    result.summary = result.message;
    return result;
  }

  const roster::ImportPlan plan = roster::PlanImport(*context_, edited);
  if (!plan.refusals.empty()) {
    // Named by their files, each refusal carrying the row it was planned for.
    for (const roster::Refusal& refusal : plan.refusals) {
      const int column = refusal.field ? ColumnOf(*refusal.field) : kFileColumn;
      said << Text(rows_[static_cast<std::size_t>(refusal.row)].file.Display()) + QStringLiteral(": ") +
                  RefusalWords(refusal, ColumnTitle(column));
    }
    said << tr("Nothing was written.");
    result.message = said.join(QLatin1Char('\n'));
    return result;
  }
  SaveReport report;
  const roster::ImportWriteResult written = roster::WriteImport(*context_, plan, report);
  const bool complete = written.Complete();
  // The rows whose files now hold what the plan wrote are saved; the others keep their edits.
  bool wroteAll = complete && said.isEmpty();
  std::vector<bool> planned(rows_.size(), false);
  for (const roster::RowPlan& rowPlan : plan.rows) {
    const auto index = static_cast<std::size_t>(rowPlan.row);
    planned[index] = true;
    Row& row = rows_[index];
    auto written = BytesOnDisk(rowPlan.target);
    if (!written) {
      wroteAll = false;
      continue;
    }
    if (*written != rowPlan.bytes) continue;
    row.file = rowPlan.target;
    row.original = std::move(*written);
    row.edits.clear();
    row.view->Load(row.original);
    ForgetRatings(row);
  }
  // Rows whose edits came to nothing on the file.
  if (complete) {
    for (const roster::ImportRow& importRow : edited) {
      const auto index = static_cast<std::size_t>(importRow.row);
      if (planned[index]) continue;
      Row& row = rows_[index];
      row.edits.clear();
      row.view->Load(row.original);
      ForgetRatings(row);
    }
  }
  undo_.clear();
  RecheckAll();
  said = report.Lines() + said;
  if (!written.stopped) {
    result.summary = SaveReport::Summary(written.counts);
    said << result.summary;
  }
  result.wroteAll = wroteAll;
  result.message = said.join(QLatin1Char('\n'));
  return result;
}

void RosterTableModel::MarkGone(int rowIndex) {
  Row& row = rows_[static_cast<std::size_t>(rowIndex)];
  if (row.gone) return;
  row.gone = true;
  emit dataChanged(index(rowIndex, 0), index(rowIndex, kColumnCount - 1));
}

bool RosterTableModel::ReloadRow(int rowIndex) {
  Row& row = rows_[static_cast<std::size_t>(rowIndex)];
  if (!row.edits.empty()) return false;
  auto bytes = BytesOnDisk(row.file);
  if (!bytes) {
    // Moved to another category by the editor, say: the row is no longer a file of the roster.
    if (!IsExistingFile(roster::PathOf(*context_, row.file))) MarkGone(rowIndex);
    return false;
  }
  if (row.view && *bytes == row.original) return false;
  row.original = std::move(*bytes);
  if (!row.view) row.view = std::make_unique<roster::FighterView>();
  row.view->Load(row.original);
  ForgetRatings(row);
  RecheckAll();
  return true;
}

void RosterTableModel::RecheckAll() {
  check_ = std::make_unique<roster::RosterCheck>(*context_, *lists_, rows_.size());
  errors_ = static_cast<int>(unlisted_.size());
  warnings_ = 0;
  roster::FighterView original;
  for (Row& row : rows_) {
    if (row.view) {
      // The files as they are on disk, not as edited.
      const roster::FighterView* checked = row.view.get();
      if (!row.edits.empty()) {
        original.Load(row.original);
        checked = &original;
      }
      row.findings = check_->CheckLoaded(row.file, *checked);
    }
    for (const auto& finding : row.findings) ++(finding.error ? errors_ : warnings_);
  }
  if (!rows_.empty()) emit dataChanged(index(0, 0), index(rowCount() - 1, kColumnCount - 1));
  emit ProblemsCounted();
}

}  // namespace beditor
