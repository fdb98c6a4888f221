#pragma once
// The roster as the roster window holds it: a row per fighter file with the bytes it was read
// from, the player's edits field by field, and what became of them where the file on disk
// moved on meanwhile. A field the file changed is taken, an edit stays on top of the file as
// it is now, and an edit of a field the file changed to another value is a conflict that the
// player settles. No toolkit here: the window's model only shows it, so every case is tested
// without a window.
#include <array>
#include <chrono>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "roster_rules/choice_lists.h"
#include "roster_rules/fighter_view.h"
#include "roster_rules/import_plan.h"
#include "roster_rules/import_write.h"
#include "roster_rules/refusal.h"
#include "roster_rules/roster_check.h"
#include "roster_rules/roster_context.h"
#include "roster_rules/roster_files.h"

namespace beditor::roster {

// An edit that meets another change of its field on disk: it is not written until the player
// keeps it or takes the file's value.
struct EditConflict {
  std::string base;    // the cell before either change, as export writes it
  std::string theirs;  // the cell as the file holds it now
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

  bool Loadable() const { return view && view->Loadable(); }
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
};

}  // namespace beditor::roster
