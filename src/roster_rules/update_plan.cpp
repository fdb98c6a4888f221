#include "roster_rules/update_plan.h"

#include <map>

#include "core/file_access.h"
#include "core/path_utf8.h"
#include "core/windows_1252.h"
#include "roster_rules/cell_edit.h"
#include "roster_rules/choice_lists.h"
#include "roster_rules/fighter_matching.h"
#include "roster_rules/field_merge.h"
#include "roster_rules/line_splice.h"

namespace beditor::roster {
namespace {

std::string TeamOf(std::string_view line) {
  return line == record::kNoTeamLine ? std::string() : Windows1252ToUtf8(line);
}

class UpdatePlanner {
 public:
  UpdatePlanner(const RosterContext& context, const RosterSnapshot& mine, const RosterSnapshot& update,
                const RosterSnapshot* base)
      : context_(context), lists_(ChoiceLists::Read(context)), mine_(mine), update_(update), base_(base) {
    if (base_) {
      // The update's fighters as the base had them: matched as the player's are.
      baseOf_.resize(update_.fighters.size());
      for (const FighterPair& pair : MatchFighters(*base_, update_))
        if (pair.theirs) baseOf_[*pair.theirs] = pair.mine;
    }
  }

  UpdatePlan Plan() {
    int row = 0;
    std::vector<FighterPair> pairs = MatchFighters(mine_, update_);
    if (base_) {
      // A fighter the update brought since the base is no fighter of the player's moved, whatever
      // its name: the two are kept apart.
      const std::size_t count = pairs.size();
      for (std::size_t i = 0; i < count; ++i)
        if (pairs[i].byName && !baseOf_[*pairs[i].theirs]) {
          pairs.push_back({pairs[i].mine, std::nullopt});
          pairs[i].mine.reset();
        }
    }
    for (const FighterPair& pair : pairs) {
      ++row;
      result_.rowFiles.push_back(pair.mine ? mine_.fighters[*pair.mine].file.Display()
                                           : "update: " + update_.fighters[*pair.theirs].file.Display());
      if (!pair.theirs) continue;  // the player's own: kept
      if (pair.mine)
        PlanMerge(row, mine_.fighters[*pair.mine], *pair.theirs);
      else
        PlanNew(row, *pair.theirs);
    }
    PlanTeamFiles(row);
    return std::move(result_);
  }

 private:
  // The update's team files the player lacks; a refused one is named as a row numbered on from
  // the fighters' last, `row`.
  void PlanTeamFiles(int row) {
    std::error_code error;
    const bool linkedTeams = std::filesystem::is_symlink(std::filesystem::symlink_status(update_.folder / "Team", error));
    for (const auto& [team, file] : update_.teamFiles) {
      if (mine_.teamFiles.count(team)) continue;
      // Copied only as a file of the update's own: a folder, or a link that may lead anywhere
      // on the player's disk (the Team folder itself one), under a team file's name is refused.
      const auto status = std::filesystem::symlink_status(update_.folder / "Team" / PathFromUtf8(file), error);
      if (std::filesystem::is_regular_file(status) && !linkedTeams) {
        result_.teamFiles.push_back(file);
        continue;
      }
      result_.rowFiles.push_back("update: Team/" + file);
      Refuse(++row, RefusalKind::FileUnreadable,
             linkedTeams                           ? "the update's Team folder is a link, not a folder of its own: not copied"
             : std::filesystem::is_symlink(status) ? "a link, not a file of the update's own: not copied"
                                                   : "not a file: not copied");
    }
  }

  void Refuse(int row, RefusalKind kind, std::string value) {
    Refusal refusal;
    refusal.row = row;
    refusal.kind = kind;
    refusal.value = std::move(value);
    result_.plan.refusals.push_back(std::move(refusal));
  }

  // The place a write makes, claimed by one row only and not on disk yet.
  bool ClaimNew(int row, const FighterFile& file) {
    const auto [first, added] = claimed_.try_emplace(file.cell, row);
    if (!added) {
      Refusal refusal;
      refusal.row = row;
      refusal.kind = RefusalKind::NamedTwice;
      refusal.value = file.cell;
      refusal.otherRow = first->second;
      result_.plan.refusals.push_back(std::move(refusal));
      return false;
    }
    if (IsExistingFile(PathOf(context_, file))) {
      Refuse(row, RefusalKind::AlreadyExists, file.Display());
      return false;
    }
    return true;
  }

  // The base's fighter of the update's, read or not; none without a base or a match in it.
  const SnapshotFighter* BaseFighterOf(std::size_t theirs) const {
    return base_ && baseOf_[theirs] ? &base_->fighters[*baseOf_[theirs]] : nullptr;
  }

  const SnapshotFighter* BaseOf(std::size_t theirs) const {
    const SnapshotFighter* fighter = BaseFighterOf(theirs);
    return fighter && !fighter->unreadable ? fighter : nullptr;
  }

  // A base file that could not be read refuses the row: without it a merge would be two-way,
  // the player's changes taken for the update's, and whether the player removed a fighter
  // since could not be told.
  bool RefusedForBase(int row, std::size_t theirs) {
    const SnapshotFighter* base = BaseFighterOf(theirs);
    if (!base || !base->unreadable) return false;
    Refuse(row, RefusalKind::FileUnreadable, "base: " + base->file.Display() + ": " + *base->unreadable);
    return true;
  }

  // The category folder the fighter's category line selects; a refusal when it selects none.
  std::optional<std::string> FolderFor(int row, const FighterView& fighter) {
    const std::string_view line = fighter.recordLines[record::kWeightCategory];
    if (auto folder = FolderOfCategoryLine(line, context_.game)) return folder;
    Refusal refusal = NoCategoryFolder(ExportCell(fighter, lists_, record::RowOf(record::Field::Category)), context_.game);
    refusal.row = row;
    result_.plan.refusals.push_back(std::move(refusal));
    return std::nullopt;
  }

  // A number line the editor cannot read is refused, never copied into the player's files.
  // (Values it clamps on loading, an ability of 35 say, are the roster maker's, as `check`
  // warns of them.)
  void RefuseNumberLine(int row, const FighterView& fighter, const record::FieldLayout& field) {
    Refusal refusal;
    refusal.row = row;
    refusal.field = field.field;
    refusal.kind = field.kind == record::FieldKind::Ability ? RefusalKind::NotAnAbility : RefusalKind::NotAChoice;
    refusal.value = Windows1252ToUtf8(fighter.recordLines[static_cast<std::size_t>(field.line)]);
    result_.plan.refusals.push_back(std::move(refusal));
  }

  // A new fighter must be one the editor loads.
  bool Loadable(int row, const FighterView& fighter) {
    if (fighter.Loadable()) return true;
    RefuseNumberLine(row, fighter, *fighter.refusedAt);
    return false;
  }

  void PlanNew(int row, std::size_t theirs) {
    const SnapshotFighter& fighter = update_.fighters[theirs];
    if (fighter.unreadable) {
      Refuse(row, RefusalKind::FileUnreadable, *fighter.unreadable);
      return;
    }
    if (RefusedForBase(row, theirs)) return;
    // The base had it and the player has it no more: the player removed it, and the update
    // did not change it since.
    if (const SnapshotFighter* base = BaseOf(theirs); base && base->bytes == fighter.bytes) return;
    view_.Load(fighter.bytes);
    if (!Loadable(row, view_)) return;
    // A new fighter comes whole: a file cut before its category line (an empty one, say) would
    // be created in the category that a missing line ("0") selects, which the update never gave.
    if (view_.storedLineCount <= record::kWeightCategory) {
      Refuse(row, RefusalKind::FileUnreadable,
             std::to_string(view_.storedLineCount) + " lines, cut before its weight category: not a whole fighter");
      return;
    }
    // In the folder its category selects, as the editor saves it, whatever folder the update
    // put it in.
    const auto folder = FolderFor(row, view_);
    if (!folder) return;
    RowPlan plan;
    plan.row = row;
    plan.action = RowPlan::Action::Create;
    plan.source = plan.target = FileFromCell(*folder + "/" + fighter.file.Name());
    if (!ClaimNew(row, plan.target)) return;
    plan.bytes = fighter.bytes;
    plan.team = TeamOf(view_.recordLines[record::kTeam]);
    result_.plan.rows.push_back(std::move(plan));
  }

  void PlanMerge(int row, const SnapshotFighter& own, std::size_t theirs) {
    const SnapshotFighter& their = update_.fighters[theirs];
    for (const SnapshotFighter* side : {&own, &their}) {
      if (side->unreadable) {
        Refuse(row, RefusalKind::FileUnreadable, side->file.Display() + ": " + *side->unreadable);
        return;
      }
    }
    if (RefusedForBase(row, theirs)) return;
    const SnapshotFighter* base = BaseOf(theirs);
    mineView_.Load(own.bytes);
    theirView_.Load(their.bytes);
    // Without a base, every difference is the update's to make.
    if (base) baseView_.Load(base->bytes);
    const FighterView& baseView = base ? baseView_ : mineView_;
    const FighterMerge merge = MergeFighter(baseView, mineView_, theirView_);

    RowPlan plan;
    plan.row = row;
    plan.source = own.file;
    std::map<int, std::string> lines;
    bool refused = false;
    for (std::size_t field = 0; field < record::kFields.size(); ++field) {
      const auto& layout = record::kFields[field];
      // A line the update's file does not hold (a short file, padded as a load pads it) is no
      // value of the update's.
      if (layout.line >= theirView_.storedLineCount) continue;
      const auto line = static_cast<std::size_t>(layout.line);
      if (merge[field] == FieldMerge::Theirs) {
        // A placeholder ("0") says the update has no identifier for the fighter, not that the
        // player's is wrong.
        if (layout.field == record::Field::SherdogId && !IsFighterIdentifier(theirView_.recordLines[line]) &&
            IsFighterIdentifier(mineView_.recordLines[line]))
          continue;
        if (record::IsNumberKind(layout.kind) && !theirView_.numbers[field]) {
          RefuseNumberLine(row, theirView_, layout);
          refused = true;
          continue;
        }
        plan.changes.push_back({&layout, ExportCell(mineView_, lists_, field), ExportCell(theirView_, lists_, field)});
        lines[layout.line] = std::string(theirView_.recordLines[line]);
      } else if (merge[field] == FieldMerge::Conflict) {
        result_.conflicts.push_back({own.file, field, ExportCell(baseView, lists_, field), ExportCell(mineView_, lists_, field),
                                     ExportCell(theirView_, lists_, field)});
      }
    }
    if (refused) return;
    // The place: the file name as merged, in the folder the merged category selects. Where
    // the update changes neither, the fighter stays where the player keeps it.
    const std::string& basePlace = base ? base->file.cell : own.file.cell;
    FighterFile place = own.file;
    bool moved = false;
    switch (MergeField(basePlace, own.file.cell, their.file.cell)) {
      case FieldMerge::Theirs:
        place = FileFromCell(their.file.cell);
        moved = true;
        break;
      case FieldMerge::Conflict:
        result_.conflicts.push_back({own.file, std::nullopt, basePlace, own.file.cell, their.file.cell});
        break;
      default:
        break;
    }
    plan.target = own.file;
    if (moved || lines.count(record::kWeightCategory)) {
      if (lines.count(record::kWeightCategory)) mineView_.Load(ReplaceLinesKeepingBytes(own.bytes, lines));
      const auto folder = FolderFor(row, mineView_);
      if (!folder) return;
      const std::string target = *folder + "/" + place.Name();
      if (target != own.file.cell) {
        plan.target = FileFromCell(target);
        if (!ClaimNew(row, plan.target)) return;
      }
    }
    mineView_.Load(own.bytes);
    plan.team = TeamOf(lines.count(record::kTeam) ? lines[record::kTeam] : mineView_.recordLines[record::kTeam]);
    if (lines.empty() && plan.target.cell == plan.source.cell) {
      ++result_.plan.unchanged;
      return;
    }
    plan.action = plan.target.cell == plan.source.cell ? RowPlan::Action::Change : RowPlan::Action::Move;
    plan.bytes = lines.empty() ? own.bytes : ReplaceLinesKeepingBytes(own.bytes, lines);
    result_.plan.rows.push_back(std::move(plan));
  }

  const RosterContext& context_;
  ChoiceLists lists_;
  const RosterSnapshot& mine_;
  const RosterSnapshot& update_;
  const RosterSnapshot* base_;
  std::vector<std::optional<std::size_t>> baseOf_;  // by the update's fighter
  std::map<std::string, int> claimed_;
  FighterView view_, mineView_, theirView_, baseView_;
  UpdatePlan result_;
};

}  // namespace

UpdatePlan PlanUpdate(const RosterContext& context, const RosterSnapshot& mine, const RosterSnapshot& update,
                      const RosterSnapshot* base) {
  return UpdatePlanner(context, mine, update, base).Plan();
}

ImportWriteResult WriteUpdate(const RosterContext& context, const std::filesystem::path& updateFolder,
                              const UpdatePlan& plan, ImportWriteReport& report) {
  ImportWriteResult result;
  for (const std::string& team : plan.teamFiles) {
    try {
      const std::string bytes = ReadWholeFile(updateFolder / "Team" / PathFromUtf8(team));
      const auto target = context.folder / "Team" / PathFromUtf8(team);
      // Never over a file the player has, whatever its name's case.
      if (IsExistingFile(target)) continue;
      std::filesystem::create_directories(context.folder / "Team");
      ReplaceFileContents(target, bytes);
      ++result.counts.teamFiles;
      report.TeamFileCreated(team.substr(0, team.size() - 4));
    } catch (const std::exception& error) {
      result.stopped = true;
      RowPlan none;
      report.Stopped(none, "Team/" + team, error.what(), result.counts.teamFiles);
      return result;
    }
  }
  const int copied = result.counts.teamFiles;
  result = WriteImport(context, plan.plan, report);
  result.counts.teamFiles += copied;
  return result;
}

}  // namespace beditor::roster
