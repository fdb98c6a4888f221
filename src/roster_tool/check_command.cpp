#include "roster_tool/check_command.h"

#include "roster_rules/choice_lists.h"
#include "roster_tool/progress_line.h"
#include "roster_rules/roster_check.h"
#include "roster_rules/roster_files.h"

namespace beditor::roster {

int RunCheck(const RosterContext& context, const std::vector<std::string>& names) {
  ChoiceLists lists = ChoiceLists::Read(context);
  const RosterFiles roster = FilesToWorkOn(context, names);
  const auto& files = roster.files;
  RosterCheck check(context, std::move(lists), files.size());
  ProgressLine progress(context.err, context.showProgress, "check", files.size());
  ReportUnlisted(roster, context.out);
  std::size_t errors = roster.unlisted.size();
  std::size_t warnings = 0;
  for (std::size_t i = 0; i < files.size(); ++i) {
    const auto findings = check.Check(files[i]);
    if (!findings.empty()) progress.Clear();
    for (const Finding& finding : findings) {
      ++(finding.error ? errors : warnings);
      context.out << files[i].Display() << ':' << finding.line << ": " << (finding.error ? "error" : "warning")
                  << ": " << finding.message << '\n';
    }
    progress.Done(i + 1);
  }
  progress.Clear();
  context.out << files.size() << (files.size() == 1 ? " file" : " files") << " checked: " << errors
              << (errors == 1 ? " error, " : " errors, ") << warnings << (warnings == 1 ? " warning" : " warnings")
              << '\n';
  return errors > 0 ? kExitProblems : kExitDone;
}

}  // namespace beditor::roster
