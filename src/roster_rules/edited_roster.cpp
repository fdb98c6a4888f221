#include "roster_rules/edited_roster.h"

#include <algorithm>

#include "core/file_access.h"
#include "roster_rules/cell_edit.h"
#include "roster_rules/field_merge.h"
#include "roster_rules/line_splice.h"

namespace beditor::roster {
namespace {

std::string CellOf(const FighterView& fighter, const ChoiceLists& lists, std::size_t field) {
  std::string converted;
  return std::string(ExportCellView(fighter, lists, field, converted));
}

}  // namespace

bool RosterSave::Complete() const {
  return merged.empty() && conflicted.empty() && gone.empty() && held.empty() && unreadable.empty() &&
         refusals.empty() && !unverified && (!written || written->Complete());
}

EditedRoster::EditedRoster(const RosterContext& context) : context_(context) {}

void EditedRoster::StartLoad() {
  lists_ = std::make_unique<ChoiceLists>(ChoiceLists::Read(context_));
  auto roster = ListRoster(context_);
  rows_.clear();
  // Never grows past this: the check keeps pointers to the rows' files.
  rows_.reserve(roster.files.size());
  pending_ = std::move(roster.files);
  unlisted_ = std::move(roster.unlisted);
  next_ = 0;
  // A folder that could not be listed is an error of the roster, as the check counts it.
  errors_ = static_cast<int>(unlisted_.size());
  warnings_ = 0;
  reader_ = std::make_unique<FighterReader>(context_);
  check_ = std::make_unique<RosterCheck>(context_, *lists_, pending_.size());
}

RosterRow EditedRoster::ReadRow(FighterFile file) {
  RosterRow row;
  row.file = std::move(file);
  try {
    const std::string_view bytes = reader_->Bytes(row.file);
    row.original.assign(bytes);
    row.view = std::make_unique<FighterView>();
    row.view->Load(bytes);
  } catch (const BEditorError& error) {
    row.view.reset();
    row.findings = {{1, true, error.what()}};
  }
  return row;
}

std::vector<RosterRow> EditedRoster::ReadSome(std::chrono::steady_clock::time_point deadline) {
  std::vector<RosterRow> batch;
  batch.reserve(std::min<std::size_t>(pending_.size() - next_, 4096));
  while (next_ < pending_.size()) {
    // Taken from the list: only its count is wanted afterwards.
    batch.push_back(ReadRow(std::move(pending_[next_++])));
    if ((batch.size() & 31) == 0 && std::chrono::steady_clock::now() >= deadline) break;
  }
  return batch;
}

void EditedRoster::Append(std::vector<RosterRow> batch) {
  for (RosterRow& row : batch) {
    rows_.push_back(std::move(row));
    RosterRow& placed = rows_.back();
    if (placed.view) placed.findings = check_->CheckLoaded(placed.file, *placed.view);
    for (const auto& finding : placed.findings) ++(finding.error ? errors_ : warnings_);
  }
}

void EditedRoster::CancelLoad() {
  pending_.resize(next_);
  reader_.reset();
}

std::string EditedRoster::Cell(std::size_t row, std::size_t field) const {
  const RosterRow& r = rows_[row];
  return r.view ? CellOf(*r.view, *lists_, field) : std::string();
}

const std::optional<std::array<int, 6>>& EditedRoster::Ratings(std::size_t row) const {
  const RosterRow& r = rows_[row];
  if (!r.rated) {
    r.rated = true;
    if (r.view)
      if (const auto ratings = RatingsOf(*r.view)) r.ratings = RatingValues(*ratings);
  }
  return r.ratings;
}

void EditedRoster::ForgetRatings(RosterRow& row) {
  row.ratings.reset();
  row.rated = false;
}

bool EditedRoster::Editable(std::size_t row) const {
  const RosterRow& r = rows_[row];
  return r.Loadable() && !r.gone && !r.heldByDisk;
}

EditedRoster::EditCheck EditedRoster::CheckEdit(std::size_t rowIndex, std::size_t field, const std::string& text) const {
  EditCheck check;
  const RosterRow& row = rows_[rowIndex];
  if (!Editable(rowIndex) || text == Cell(rowIndex, field)) return check;
  if (const auto edit = row.edits.find(field); edit != row.edits.end()) check.before = edit->second;
  FighterView original;
  original.Load(row.original);
  CellEdit edit = EditOfCell(original, *lists_, context_.game, field, text);
  if (!edit.refusal && edit.line && record::kFields[field].field == record::Field::Category &&
      !FolderOfCategoryLine(*edit.line, context_.game))
    edit.refusal = NoCategoryFolder(text, context_.game);
  if (edit.refusal) {
    edit.refusal->row = static_cast<int>(rowIndex);
    check.refusal = std::move(edit.refusal);
    return check;
  }
  // Back to what the file holds is no edit, as the import sees it.
  if (edit.line) check.after = text;
  check.changes = check.before != check.after;
  return check;
}

void EditedRoster::SetEdit(std::size_t rowIndex, std::size_t field, const std::optional<std::string>& text) {
  RosterRow& row = rows_[rowIndex];
  if (text)
    row.edits[field] = *text;
  else
    row.edits.erase(field);
  row.conflicts.erase(field);
  ShowEdits(row);
}

void EditedRoster::KeepMine(std::size_t row, std::size_t field) { rows_[row].conflicts.erase(field); }

bool EditedRoster::HasUnsavedEdits() const {
  return std::any_of(rows_.begin(), rows_.end(), [](const RosterRow& row) { return !row.edits.empty(); });
}

bool EditedRoster::HasConflicts() const {
  return std::any_of(rows_.begin(), rows_.end(), [](const RosterRow& row) { return !row.conflicts.empty(); });
}

void EditedRoster::ShowEdits(RosterRow& row) {
  std::map<int, std::string> lines;
  for (const auto& [field, cell] : row.edits) {
    Refusal refusal;
    if (auto line = CellToLine(record::kFields[field], cell, *lists_, context_.game, &refusal))
      lines[record::kFields[field].line] = std::move(*line);
  }
  if (!row.view) row.view = std::make_unique<FighterView>();
  row.view->Load(lines.empty() ? row.original : ReplaceLinesKeepingBytes(row.original, lines));
  ForgetRatings(row);
}

std::optional<std::string> EditedRoster::BytesOnDisk(const FighterFile& file) const {
  try {
    return ReadWholeFile(PathOf(context_, file));
  } catch (const BEditorError&) {
    return std::nullopt;
  }
}

RowSync EditedRoster::SyncWithDisk(std::size_t rowIndex) {
  RosterRow& row = rows_[rowIndex];
  if (row.gone) return RowSync::Gone;
  auto bytes = BytesOnDisk(row.file);
  if (!bytes) {
    if (IsExistingFile(PathOf(context_, row.file))) return RowSync::Unreadable;
    // Moved to another category by the editor, say: the row is no longer a file of the roster.
    row.gone = true;
    return RowSync::Gone;
  }
  if (row.view && *bytes == row.original) {
    row.heldByDisk = false;
    return RowSync::Same;
  }
  if (row.edits.empty()) {
    row.original = std::move(*bytes);
    row.heldByDisk = false;
    ShowEdits(row);
    return RowSync::Reloaded;
  }
  FighterView theirs;
  theirs.Load(*bytes);
  if (!theirs.Loadable()) {
    // Nothing to lay the edits on: they wait, as they are, for the file to be mended.
    row.heldByDisk = true;
    return RowSync::Held;
  }
  FighterView base;
  base.Load(row.original);
  const FighterMerge merge = MergeFighter(base, *row.view, theirs);
  for (auto edit = row.edits.begin(); edit != row.edits.end();) {
    const std::size_t field = edit->first;
    switch (merge[field]) {
      case FieldMerge::Mine:
        ++edit;
        break;
      case FieldMerge::Conflict:
        row.conflicts[field] = EditConflict{CellOf(base, *lists_, field), CellOf(theirs, *lists_, field)};
        ++edit;
        break;
      default:
        // The file holds the edit's value already, or the edit stood for nothing.
        row.conflicts.erase(field);
        edit = row.edits.erase(edit);
        break;
    }
  }
  row.original = std::move(*bytes);
  row.heldByDisk = false;
  ShowEdits(row);
  return RowSync::Merged;
}

RosterSave EditedRoster::Save(ImportWriteReport& report) {
  RosterSave save;
  std::vector<ImportRow> edited;
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    RosterRow& row = rows_[i];
    if (row.edits.empty()) continue;
    if (row.gone && row.goneSaid) {
      ++save.goneKept;
      continue;
    }
    switch (SyncWithDisk(i)) {
      case RowSync::Same:
        break;
      case RowSync::Gone:
        row.goneSaid = true;
        save.gone.push_back(i);
        continue;
      case RowSync::Unreadable:
        save.unreadable.push_back(i);
        continue;
      case RowSync::Held:
        save.held.push_back(i);
        continue;
      case RowSync::Merged:
      case RowSync::Reloaded:
        // Written by the next save, once the player has seen what the file holds now.
        if (row.conflicts.empty() && !row.edits.empty()) save.merged.push_back(i);
        if (!row.conflicts.empty()) save.conflicted.push_back(i);
        continue;
    }
    if (!row.conflicts.empty()) {
      save.conflicted.push_back(i);
      continue;
    }
    ImportRow& importRow = edited.emplace_back();
    importRow.row = static_cast<int>(i);
    importRow.file = row.file.cell;
    for (const auto& [field, cell] : row.edits) importRow.cells[field] = cell;
  }
  if (!edited.empty()) {
    const ImportPlan plan = PlanImport(context_, edited);
    if (!plan.refusals.empty()) {
      save.refusals = plan.refusals;
    } else {
      save.written = WriteImport(context_, plan, report);
      TakeWritten(plan, edited, save.written->Complete(), save);
    }
  }
  RecheckAll();
  return save;
}

void EditedRoster::TakeWritten(const ImportPlan& plan, const std::vector<ImportRow>& edited, bool complete,
                               RosterSave& save) {
  std::vector<bool> planned(rows_.size(), false);
  for (const RowPlan& rowPlan : plan.rows) {
    const auto index = static_cast<std::size_t>(rowPlan.row);
    planned[index] = true;
    RosterRow& row = rows_[index];
    auto written = BytesOnDisk(rowPlan.target);
    if (!written) {
      save.unverified = true;
      continue;
    }
    // Not written (the write stopped before it): the edits stay.
    if (*written != rowPlan.bytes) continue;
    row.file = rowPlan.target;
    row.original = std::move(*written);
    row.edits.clear();
    row.conflicts.clear();
    ShowEdits(row);
  }
  // Rows whose edits came to nothing on the file.
  if (!complete) return;
  for (const ImportRow& importRow : edited) {
    const auto index = static_cast<std::size_t>(importRow.row);
    if (planned[index]) continue;
    rows_[index].edits.clear();
    ShowEdits(rows_[index]);
  }
}

void EditedRoster::RecheckAll() {
  check_ = std::make_unique<RosterCheck>(context_, *lists_, rows_.size());
  errors_ = static_cast<int>(unlisted_.size());
  warnings_ = 0;
  FighterView original;
  for (RosterRow& row : rows_) {
    if (row.view) {
      // The files as they are on disk, not as edited.
      const FighterView* checked = row.view.get();
      if (!row.edits.empty()) {
        original.Load(row.original);
        checked = &original;
      }
      row.findings = check_->CheckLoaded(row.file, *checked);
    }
    for (const auto& finding : row.findings) ++(finding.error ? errors_ : warnings_);
  }
}

}  // namespace beditor::roster
