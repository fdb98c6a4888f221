#include "roster_tool/merge_command.h"

#include "roster_rules/quoted_text.h"
#include "roster_rules/refusal_text.h"
#include "roster_rules/update_plan.h"
#include "roster_tool/plan_output.h"
#include "roster_tool/update_folders.h"

namespace beditor::roster {
namespace {

void PrintConflicts(std::ostream& out, const UpdatePlan& plan) {
  for (const UpdateConflict& conflict : plan.conflicts) {
    out << "conflict: " << conflict.file.Display() << ": "
        << (conflict.field ? record::kFields[*conflict.field].column : "place") << ": base " << Quoted(conflict.base)
        << ", here " << Quoted(conflict.mine) << ", update " << Quoted(conflict.theirs) << ": yours kept\n";
  }
}

std::vector<std::string> TeamsOf(const std::vector<std::string>& files) {
  std::vector<std::string> teams;
  for (const std::string& file : files) teams.push_back(file.substr(0, file.size() - 4));
  return teams;
}

}  // namespace

int RunMerge(const RosterContext& context, const MergeOptions& options) {
  const auto updateFolder = OtherProgramFolder(context, options.updateFolder, "the update");
  std::optional<RosterSnapshot> base;
  if (!options.baseFolder.empty()) {
    const auto baseFolder = OtherProgramFolder(context, options.baseFolder, "the base");
    // Against itself an update changes nothing: the run would take nothing and say so quietly.
    std::error_code error;
    if (std::filesystem::equivalent(baseFolder, updateFolder, error))
      throw UnreadableFolderError("the base " + Quoted(options.baseFolder) + " is the update itself: give the "
                                  "earlier version of the update as --base");
    base = ReadOtherSnapshot(context, baseFolder);
  }
  const RosterSnapshot mine = ReadSnapshot(context);
  const RosterSnapshot update = ReadOtherSnapshot(context, updateFolder);
  // A folder that could not be listed would look like fighters removed or new: nothing is
  // planned on half a roster.
  bool unlisted = false;
  for (const auto& [roster, name] : {std::pair{&mine, ""}, std::pair{&update, "update: "}}) {
    for (const UnlistedFolder& folder : roster->unlisted) {
      context.err << name << folder.display << ": error: " << folder.message << '\n';
      unlisted = true;
    }
  }
  if (base && !base->unlisted.empty()) {
    for (const UnlistedFolder& folder : base->unlisted)
      context.err << "base: " << folder.display << ": error: " << folder.message << '\n';
    unlisted = true;
  }
  if (unlisted) {
    context.err << "merge refused: a folder could not be listed; nothing was written\n";
    return kExitProblems;
  }

  const UpdatePlan plan = PlanUpdate(context, mine, update, base ? &*base : nullptr);
  if (!plan.plan.refusals.empty()) {
    for (const Refusal& refusal : plan.plan.refusals)
      context.err << plan.rowFiles[static_cast<std::size_t>(refusal.row - 1)] << ": " << EnglishRefusal(refusal)
                  << '\n';
    context.err << "merge refused (" << plan.plan.refusals.size()
                << (plan.plan.refusals.size() == 1 ? " problem" : " problems") << "): nothing was written\n";
    return kExitProblems;
  }
  PrintConflicts(context.out, plan);
  if (options.dryRun) {
    PrintDryRun(context, plan.plan, TeamsOf(plan.teamFiles));
    return plan.conflicts.empty() ? kExitDone : kExitProblems;
  }
  PrintedReport report(context, plan.plan.rows.size(), "merge", "merged");
  const int code = report.Finished(WriteUpdate(context, updateFolder, plan, report));
  if (!plan.conflicts.empty()) {
    context.err << plan.conflicts.size() << (plan.conflicts.size() == 1 ? " conflict" : " conflicts")
                << ": the player's values kept (listed above)\n";
    return kExitProblems;
  }
  return code;
}

}  // namespace beditor::roster
