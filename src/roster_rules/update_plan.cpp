#include "roster_rules/update_plan.h"

#include <map>

#include "core/file_access.h"
#include "core/path_utf8.h"
#include "core/windows_1252.h"
#include "roster_rules/choice_lists.h"
#include "roster_rules/fighter_matching.h"
#include "roster_rules/field_merge.h"
#include "roster_rules/line_splice.h"

namespace beditor::roster {
namespace {

std::string CellOf(const FighterView& fighter, const ChoiceLists& lists, std::size_t field) {
  std::string converted;
  return std::string(ExportCellView(fighter, lists, field, converted));
}

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
    for (const FighterPair& pair : MatchFighters(mine_, update_)) {
      ++row;
      result_.rowFiles.push_back(pair.mine ? mine_.fighters[*pair.mine].file.Display()
                                           : "update: " + update_.fighters[*pair.theirs].file.Display());
      if (!pair.theirs) continue;  // the player's own: kept
      if (pair.mine)
        PlanMerge(row, mine_.fighters[*pair.mine], *pair.theirs);
      else
        PlanNew(row, *pair.theirs);
    }
    for (const auto& [team, file] : update_.teamFiles)
      if (!mine_.teamFiles.count(team)) result_.teamFiles.push_back(file);
    return std::move(result_);
  }

 private:
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

  const SnapshotFighter* BaseOf(std::size_t theirs) const {
    if (!base_ || !baseOf_[theirs]) return nullptr;
    const SnapshotFighter& fighter = base_->fighters[*baseOf_[theirs]];
    return fighter.unreadable ? nullptr : &fighter;
  }

  void PlanNew(int row, std::size_t theirs) {
    const SnapshotFighter& fighter = update_.fighters[theirs];
    if (fighter.unreadable) {
      Refuse(row, RefusalKind::FileUnreadable, *fighter.unreadable);
      return;
    }
    // The base had it and the player has it no more: the player removed it, and the update
    // did not change it since.
    if (const SnapshotFighter* base = BaseOf(theirs); base && base->bytes == fighter.bytes) return;
    RowPlan plan;
    plan.row = row;
    plan.action = RowPlan::Action::Create;
    plan.source = plan.target = FileFromCell(fighter.file.cell);
    if (!ClaimNew(row, plan.target)) return;
    plan.bytes = fighter.bytes;
    view_.Load(plan.bytes);
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
    for (std::size_t field = 0; field < record::kFields.size(); ++field) {
      const auto& layout = record::kFields[field];
      const auto line = static_cast<std::size_t>(layout.line);
      if (merge[field] == FieldMerge::Theirs) {
        plan.changes.push_back({&layout, CellOf(mineView_, lists_, field), CellOf(theirView_, lists_, field)});
        lines[layout.line] = std::string(theirView_.recordLines[line]);
      } else if (merge[field] == FieldMerge::Conflict) {
        result_.conflicts.push_back({own.file, field, CellOf(baseView, lists_, field), CellOf(mineView_, lists_, field),
                                     CellOf(theirView_, lists_, field)});
      }
    }
    const std::string& basePlace = base ? base->file.cell : own.file.cell;
    switch (MergeField(basePlace, own.file.cell, their.file.cell)) {
      case FieldMerge::Theirs:
        plan.target = FileFromCell(their.file.cell);
        if (!ClaimNew(row, plan.target)) return;
        break;
      case FieldMerge::Conflict:
        result_.conflicts.push_back({own.file, std::nullopt, basePlace, own.file.cell, their.file.cell});
        [[fallthrough]];
      default:
        plan.target = own.file;
        break;
    }
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
