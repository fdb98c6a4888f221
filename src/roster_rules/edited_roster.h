#pragma once
// The roster as the roster window holds it: a row per fighter file with the bytes it was read
// from, the player's edits field by field, and what became of them where the file on disk
// moved on meanwhile. A field the file changed is taken, an edit stays on top of the file as
// it is now, and an edit of a field the file changed to another value is a conflict that the
// player settles. A roster update is shown here too, as edits of its own: its changed fields,
// its new fighters' rows and its team files wait, unwritten, for the save. No toolkit here:
// the window's model only shows it, so every case is tested without a window.
#include <array>
#include <chrono>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "roster_rules/choice_lists.h"
#include "roster_rules/fighter_view.h"
#include "roster_rules/import_plan.h"
#include "roster_rules/import_write.h"
#include "roster_rules/other_program_folder.h"
#include "roster_rules/refusal.h"
#include "roster_rules/roster_check.h"
#include "roster_rules/roster_context.h"
#include "roster_rules/roster_files.h"

namespace beditor::roster {

// An edit that meets another change of its field, on disk or in a roster update: it is not
// written until the player keeps it or takes the other value.
struct EditConflict {
  enum class Side { File, Update };  // whose change met the player's
  std::string base;    // the cell before either change, as export writes it
  std::string theirs;  // the cell as the file, or the update, holds it
  Side side = Side::File;
};

struct RosterRow {
  FighterFile file;
  // As shown: the file with the edits' lines in it. None when the file could not be read.
  std::unique_ptr<FighterView> view;
  std::string original;                           // the bytes the edits lie on: the file as last read
  std::map<std::size_t, std::string> edits;       // by layout row: the cell as typed, UTF-8
  std::map<std::size_t, EditConflict> conflicts;  // by layout row: edits that meet a change on disk
  std::vector<Finding> findings;
  bool gone = false;      // the file is no longer where it was read from
  bool goneSaid = false;  // and a save has said so
  // The file on disk can no longer be loaded: the row shows it as last read, with its edits,
  // which wait, unsaved, until the file is mended.
  bool heldByDisk = false;
  // Worked out when first asked for: opening the roster needs only those of the rows on screen.
  mutable std::optional<std::array<int, 6>> ratings;
  mutable bool rated = false;
  // A fighter a roster update brings: not on disk until a save writes the plan's bytes there.
  std::optional<RowPlan> creation;
  // Its creation taken back: the row is out of the roster, and kept only so that the rows
  // after it keep their numbers on the undo stack.
  bool withdrawn = false;
  // By layout row: the cells a roster update gave; an edit still holding one is the update's.
  std::map<std::size_t, std::string> updateCells;
  // And their stored lines, written byte for byte while the edit is the update's.
  std::map<std::size_t, std::string> updateLines;

  bool Loadable() const { return view && view->Loadable(); }
  bool ToCreate() const { return creation && !withdrawn; }
  bool EditFromUpdate(std::size_t field) const {
    const auto edit = edits.find(field);
    const auto cell = updateCells.find(field);
    return edit != edits.end() && cell != updateCells.end() && edit->second == cell->second;
  }
};

// What reading a row's file again found.
enum class RowSync {
  Same,        // the file holds what the row was read from
  Reloaded,    // the row had no edits: it shows the file as it is now
  Merged,      // the edits lie on the file as it is now; a field changed in both is a conflict
  Held,        // the file cannot be loaded now: the edits are kept, unsaved
  Gone,        // the file is no longer there
  Unreadable,  // the file is there but cannot be read
};

// What a save did, by row.
struct RosterSave {
  std::vector<std::size_t> merged;      // changed on disk: the edits now lie on it, for the next save
  std::vector<std::size_t> conflicted;  // edits that meet changes on disk: not written until settled
  std::vector<std::size_t> gone;        // found gone by this save; said once, never written back
  std::vector<std::size_t> held;        // the file cannot be loaded now: its edits wait for it
  std::vector<std::size_t> unreadable;  // could not be read to check for changes: not written
  std::size_t goneKept = 0;             // rows found gone before whose edits are still kept
  std::vector<Refusal> refusals;        // the plan refused these: nothing was written
  std::optional<ImportWriteResult> written;  // when the plan was written
  bool unverified = false;              // a written file did not read back as planned

  // Everything that could be written was, and nothing waits but the edits of gone files,
  // which were said before.
  bool Complete() const;
  bool Wrote() const { return written.has_value(); }
};

// What showing a roster update as edits did, or why it did nothing.
struct ShownUpdate {
  enum class Refused {
    No,
    UnsavedEdits,  // the update's edits would mix with the player's
    Loading,       // the roster is still being read
    Folder,        // see folderProblem
    Unlisted,      // a category folder could not be listed: a roster cannot be compared by half
    Plan,          // the update's plan refused: see refusals
  };
  Refused refused = Refused::No;
  OtherFolderProblem folderProblem = OtherFolderProblem::None;
  struct Unlisted {
    UnlistedFolder folder;
    bool inUpdate = false;
  };
  std::vector<Unlisted> unlisted;
  std::vector<Refusal> refusals;   // their rows number refusalFiles from 1
  std::vector<std::string> refusalFiles;

  struct Edit {
    std::size_t row, field;
    std::string cell;
  };
  std::vector<Edit> edits;           // the update's changes, as edits of the rows
  std::size_t changedFighters = 0;
  std::size_t moved = 0;             // of them, fighters a category edit moves to the update's place
  std::vector<std::size_t> newRows;  // rows appended for the update's new fighters
  std::vector<std::string> teamFiles;  // to copy on save, "Iron Gym.txt"
  // Places the update gives a fighter that no edit can: another file name, or a folder other
  // than its category's. "Fighters/SHW/Big Tom.txt" -> "Fighters/SHW/Tom Big.txt".
  std::vector<std::pair<std::string, std::string>> placesNotShown;

  bool Shown() const { return refused == Refused::No; }
  bool Empty() const { return edits.empty() && newRows.empty() && teamFiles.empty() && placesNotShown.empty(); }
};

class EditedRoster {
 public:
  // The context outlives the roster.
  explicit EditedRoster(const RosterContext& context);

  // Lists the roster and reads its lists; the rows then come with ReadSome and Append.
  // Throws UnreadableFolderError.
  void StartLoad();
  // Reads files into rows until the deadline has passed (checked every few files).
  std::vector<RosterRow> ReadSome(std::chrono::steady_clock::time_point deadline);
  // Adds rows read by ReadSome, checked.
  void Append(std::vector<RosterRow> rows);
  // Stops reading: the rows read so far stay.
  void CancelLoad();
  bool Loading() const { return next_ < pending_.size(); }
  std::size_t TotalCount() const { return pending_.size(); }

  const ChoiceLists& Lists() const { return *lists_; }
  const std::vector<UnlistedFolder>& Unlisted() const { return unlisted_; }
  std::size_t Size() const { return rows_.size(); }
  const RosterRow& Row(std::size_t row) const { return rows_[row]; }
  int ErrorCount() const { return errors_; }
  int WarningCount() const { return warnings_; }

  // The field's cell as export writes it (UTF-8), for the row as shown.
  std::string Cell(std::size_t row, std::size_t field) const;
  // The six ratings of the row as shown; nothing for a file the editor would refuse.
  const std::optional<std::array<int, 6>>& Ratings(std::size_t row) const;
  // The row's cells take edits: its file loads, is there, and is not held by a broken file.
  bool Editable(std::size_t row) const;

  // What typing `text` into a field's cell would do, by the import's rules.
  struct EditCheck {
    std::optional<Refusal> refusal;   // refused: nothing changes
    bool changes = false;             // the cell's edit changes (false for a refusal or the same value)
    std::optional<std::string> before, after;  // the field's edit before and after: none is the file's value
  };
  EditCheck CheckEdit(std::size_t row, std::size_t field, const std::string& text) const;
  // Sets the field's edit, or takes it back to the file's value with none. Settles a conflict
  // of the field: the player chose.
  void SetEdit(std::size_t row, std::size_t field, const std::optional<std::string>& text);
  // Settles a conflict by keeping the edit: the next save writes it over the file's value.
  void KeepMine(std::size_t row, std::size_t field);
  // Puts back a conflict that a choice settled, when the choice is undone.
  void RestoreConflict(std::size_t row, std::size_t field, EditConflict conflict);
  bool HasUnsavedEdits() const;
  bool HasConflicts() const;

  // Reads the row's file again: a row without edits shows it as it is; a row with edits
  // merges them with it, field by field.
  RowSync SyncWithDisk(std::size_t row);

  // Writes every edited fighter whose file is as the row read it and holds no conflict,
  // through the import's plan and write step, told to `report`; rows whose files moved on
  // are merged with them for the next save.
  RosterSave Save(ImportWriteReport& report);

  // Checks every row again, as its file is on disk.
  void RecheckAll();

  // Shows a roster update in `folder` as edits, planned as `merge` without a base plans it, on
  // the roster as it is on disk now (rows are read again, added or found gone): changed fields
  // become edits, new fighters rows waiting to be created, and the team files the player lacks
  // wait to be copied. Nothing is written before Save. Refused while edits are unsaved.
  ShownUpdate ShowUpdate(const std::filesystem::path& folder);
  // New rows of an update created on save, or taken back; the roster is checked again once.
  void SetCreation(const std::vector<std::size_t>& rows, bool create);
  // The update's team files the next save copies.
  const std::vector<std::string>& TeamFilesToCopy() const { return updateTeams_; }
  void SetTeamFilesToCopy(std::vector<std::string> files) { updateTeams_ = std::move(files); }
  // The field's cell as the row's file holds it, without the edits.
  std::string CellBefore(std::size_t row, std::size_t field) const;

 private:
  RosterRow ReadRow(FighterFile file);
  // The row's view: the file as read with the edits' lines in it.
  void ShowEdits(RosterRow& row);
  static void ForgetRatings(RosterRow& row);
  std::optional<std::string> BytesOnDisk(const FighterFile& file) const;
  // Takes the written rows as saved: those whose file now holds what the plan wrote.
  void TakeWritten(const ImportPlan& plan, const std::vector<ImportRow>& edited, bool complete, RosterSave& save);

  const RosterContext& context_;
  std::unique_ptr<ChoiceLists> lists_;
  std::unique_ptr<FighterReader> reader_;
  std::unique_ptr<RosterCheck> check_;
  std::vector<FighterFile> pending_;
  std::vector<UnlistedFolder> unlisted_;
  std::size_t next_ = 0;
  std::vector<RosterRow> rows_;
  int errors_ = 0;
  int warnings_ = 0;
  std::filesystem::path updateFolder_;     // the update the team files come from
  std::vector<std::string> updateTeams_;
};

}  // namespace beditor::roster
