#include "roster_rules/edited_roster.h"

#include <algorithm>
#include <future>

#include "core/file_access.h"
#include "roster_rules/cell_edit.h"
#include "roster_rules/field_merge.h"
#include "roster_rules/line_splice.h"
#include "roster_rules/roster_snapshot.h"
#include "roster_rules/update_plan.h"
#include "core/path_utf8.h"

namespace beditor::roster {

bool RosterSave::Complete() const {
  return merged.empty() && conflicted.empty() && gone.empty() && held.empty() && unreadable.empty() &&
         refusals.empty() && !unverified && (!written || written->Complete());
}

EditedRoster::EditedRoster(const RosterContext& context) : context_(context) {}

void EditedRoster::StartLoad() {
  lists_ = std::make_unique<ChoiceLists>(ChoiceLists::Read(context_));
  auto roster = ListRoster(context_);
  rows_.clear();
  updateTeams_.clear();
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
  return r.view ? ExportCell(*r.view, *lists_, field) : std::string();
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
  // A new fighter of an update is written as the update has it, or not at all.
  return r.Loadable() && !r.gone && !r.heldByDisk && !r.creation && !r.withdrawn;
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

void EditedRoster::RestoreConflict(std::size_t row, std::size_t field, EditConflict conflict) {
  // A conflict is an edit's: without one, the file's value stands and there is nothing to settle.
  if (rows_[row].edits.count(field)) rows_[row].conflicts[field] = std::move(conflict);
}

bool EditedRoster::HasUnsavedEdits() const {
  return !updateTeams_.empty() || std::any_of(rows_.begin(), rows_.end(), [](const RosterRow& row) {
           return !row.edits.empty() || row.ToCreate();
         });
}

bool EditedRoster::HasConflicts() const {
  return std::any_of(rows_.begin(), rows_.end(), [](const RosterRow& row) { return !row.conflicts.empty(); });
}

void EditedRoster::ShowEdits(RosterRow& row) {
  std::map<int, std::string> lines;
  for (const auto& [field, cell] : row.edits) {
    Refusal refusal;
    if (row.EditFromUpdate(field))
      lines[record::kFields[field].line] = row.updateLines.at(field);
    else if (auto line = CellToLine(record::kFields[field], cell, *lists_, context_.game, &refusal))
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
  // Not on disk, by design: nothing to read.
  if (row.creation || row.withdrawn) return RowSync::Same;
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
        row.conflicts[field] = EditConflict{ExportCell(base, *lists_, field), ExportCell(theirs, *lists_, field)};
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
  std::vector<std::size_t> creations;
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    RosterRow& row = rows_[i];
    if (row.withdrawn) continue;
    if (row.creation) {
      creations.push_back(i);
      continue;
    }
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
    for (const auto& [field, cell] : row.edits) {
      importRow.cells[field] = cell;
      if (row.EditFromUpdate(field)) importRow.lines[field] = row.updateLines.at(field);
    }
  }
  if (!edited.empty() || !creations.empty() || !updateTeams_.empty()) {
    UpdatePlan update;
    if (!edited.empty()) update.plan = PlanImport(context_, edited);
    ImportPlan& plan = update.plan;
    // The update's new fighters as its plan made them, each at a place still free.
    for (const std::size_t i : creations) {
      RowPlan creation = *rows_[i].creation;
      creation.row = static_cast<int>(i);
      Refusal refusal;
      refusal.row = creation.row;
      refusal.value = creation.target.Display();
      const auto taken = std::find_if(plan.rows.begin(), plan.rows.end(), [&creation](const RowPlan& other) {
        return other.target.cell == creation.target.cell;
      });
      if (taken != plan.rows.end()) {
        refusal.kind = RefusalKind::NamedTwice;
        refusal.value = creation.target.cell;
        refusal.otherRow = taken->row;
      } else if (IsExistingFile(PathOf(context_, creation.target))) {
        refusal.kind = RefusalKind::AlreadyExists;
      } else {
        plan.rows.push_back(std::move(creation));
        continue;
      }
      plan.refusals.push_back(std::move(refusal));
    }
    if (!plan.refusals.empty()) {
      save.refusals = plan.refusals;
    } else {
      update.teamFiles = updateTeams_;
      // The update's team files first, as `merge` copies them, then the fighters.
      save.written = WriteUpdate(context_, updateFolder_, update, report);
      TakeWritten(plan, edited, save.written->Complete(), save);
      std::erase_if(updateTeams_, [this](const std::string& team) {
        return IsExistingFile(context_.folder / "Team" / PathFromUtf8(team));
      });
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
    row.updateCells.clear();
    row.updateLines.clear();
    row.creation.reset();
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
    if (row.withdrawn) {
      row.findings.clear();
      continue;
    }
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

std::string EditedRoster::CellBefore(std::size_t row, std::size_t field) const {
  const RosterRow& r = rows_[row];
  if (!r.view) return {};
  FighterView original;
  original.Load(r.original);
  return ExportCell(original, *lists_, field);
}

void EditedRoster::SetCreation(const std::vector<std::size_t>& rows, bool create) {
  for (const std::size_t row : rows) rows_[row].withdrawn = !create;
  RecheckAll();
}

ShownUpdate EditedRoster::ShowUpdate(const std::filesystem::path& folder) {
  ShownUpdate shown;
  if (HasUnsavedEdits()) {
    shown.refused = ShownUpdate::Refused::UnsavedEdits;
    return shown;
  }
  if (Loading()) {
    shown.refused = ShownUpdate::Refused::Loading;
    return shown;
  }
  shown.folderProblem = CheckOtherFolder(context_, folder);
  if (shown.folderProblem != OtherFolderProblem::None) {
    shown.refused = ShownUpdate::Refused::Folder;
    return shown;
  }
  // The update is read on a thread of its own while the roster is read here: the two folders
  // are independent, and reading them is most of the time the player waits.
  auto updateRead = std::async(std::launch::async, [this, folder] { return ReadOtherSnapshot(context_, folder); });
  // The plan is made on the folder as it is now, and the rows follow it: each takes its file
  // as it is (none has edits), a file added since the roster was read (or left unread by a
  // stopped load) gets its row, and a row whose file went away is gone.
  const RosterSnapshot mine = ReadSnapshot(context_);
  std::map<std::string, std::size_t> rowOf;
  for (std::size_t i = 0; i < rows_.size(); ++i)
    if (!rows_[i].gone && !rows_[i].withdrawn) rowOf.emplace(rows_[i].file.cell, i);
  std::map<std::string, std::size_t> onDisk;
  for (const SnapshotFighter& fighter : mine.fighters) {
    auto found = rowOf.find(fighter.file.cell);
    if (found == rowOf.end()) {
      RosterRow& added = rows_.emplace_back();
      added.file = fighter.file;
      found = rowOf.emplace(fighter.file.cell, rows_.size() - 1).first;
    }
    onDisk.emplace(found->first, found->second);
    RosterRow& row = rows_[found->second];
    if (fighter.unreadable) {
      row.view.reset();
      row.original.clear();
      row.findings = {{1, true, *fighter.unreadable}};
      ForgetRatings(row);
    } else if (!row.view || row.original != fighter.bytes) {
      row.original = fighter.bytes;
      ShowEdits(row);
    }
    row.heldByDisk = false;
  }
  for (const auto& [cell, index] : rowOf)
    if (!onDisk.count(cell)) rows_[index].gone = true;
  unlisted_ = mine.unlisted;

  const RosterSnapshot update = updateRead.get();
  for (const auto& [roster, inUpdate] : {std::pair{&mine, false}, std::pair{&update, true}})
    for (const UnlistedFolder& unlisted : roster->unlisted) shown.unlisted.push_back({unlisted, inUpdate});
  if (!shown.unlisted.empty()) {
    shown.refused = ShownUpdate::Refused::Unlisted;
    RecheckAll();
    return shown;
  }
  const UpdatePlan plan = PlanUpdate(context_, mine, update, nullptr);
  if (!plan.plan.refusals.empty()) {
    shown.refused = ShownUpdate::Refused::Plan;
    shown.refusals = plan.plan.refusals;
    shown.refusalFiles = plan.rowFiles;
    RecheckAll();
    return shown;
  }
  for (const RowPlan& rowPlan : plan.plan.rows) {
    if (rowPlan.action == RowPlan::Action::Create) {
      RosterRow& row = rows_.emplace_back();
      row.file = rowPlan.target;
      row.original = rowPlan.bytes;
      row.creation = rowPlan;
      ShowEdits(row);
      shown.newRows.push_back(rows_.size() - 1);
      continue;
    }
    const std::size_t index = onDisk.at(rowPlan.source.cell);
    RosterRow& row = rows_[index];
    FighterView updated;
    updated.Load(rowPlan.bytes);
    for (const FieldChange& change : rowPlan.changes) {
      const auto field = static_cast<std::size_t>(change.field - record::kFields.data());
      row.edits[field] = change.after;
      row.updateCells[field] = change.after;
      row.updateLines[field] = updated.recordLines[static_cast<std::size_t>(change.field->line)];
      shown.edits.push_back({index, field, change.after});
    }
    if (!rowPlan.changes.empty()) ++shown.changedFighters;
    ShowEdits(row);
    // Where saving the edits puts the file: a changed category moves it to its folder, under
    // the same name.
    std::string place = row.file.cell;
    if (row.edits.count(record::RowOf(record::Field::Category)) && row.view)
      if (const auto categoryFolder =
              FolderOfCategoryLine(row.view->recordLines[record::kWeightCategory], context_.game))
        place = *categoryFolder + "/" + row.file.Name();
    if (place != rowPlan.target.cell)
      shown.placesNotShown.emplace_back(row.file.Display(), rowPlan.target.Display());
    else if (rowPlan.action == RowPlan::Action::Move)
      ++shown.moved;
  }
  updateFolder_ = folder;
  updateTeams_ = plan.teamFiles;
  shown.teamFiles = plan.teamFiles;
  RecheckAll();
  return shown;
}

}  // namespace beditor::roster
