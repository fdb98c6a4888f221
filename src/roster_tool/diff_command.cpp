#include "roster_tool/diff_command.h"

#include "core/csv.h"
#include "roster_rules/choice_lists.h"
#include "roster_rules/quoted_text.h"
#include "roster_rules/roster_diff.h"
#include "roster_tool/formula_guard.h"
#include "roster_tool/update_folders.h"

namespace beditor::roster {
namespace {

// One line of the comparison: the kind of change, the files, and a field's two cells.
struct DiffLine {
  const char* change;
  std::string file, updateFile, column, here, update;
};

std::vector<DiffLine> LinesOf(const RosterDiff& diff, const RosterSnapshot& mine, const RosterSnapshot& theirs) {
  std::vector<DiffLine> lines;
  for (const FighterDifference& fighter : diff.fighters) {
    const std::string here = fighter.pair.mine ? mine.fighters[*fighter.pair.mine].file.Display() : std::string();
    const std::string there =
        fighter.pair.theirs ? theirs.fighters[*fighter.pair.theirs].file.Display() : std::string();
    if (!fighter.pair.mine) {
      lines.push_back({"new", "", there, "", "", ""});
      continue;
    }
    if (!fighter.pair.theirs) {
      lines.push_back({"only_here", here, "", "", "", ""});
      continue;
    }
    if (fighter.moved) lines.push_back({"moved", here, there, "", "", ""});
    if (fighter.unreadable) lines.push_back({"unreadable", here, there, "", "", ""});
    for (const FieldDifference& field : fighter.fields)
      lines.push_back({"changed", here, there, record::kFields[field.field].column, field.mine, field.theirs});
  }
  for (const std::string& team : diff.newTeams) lines.push_back({"new_team", "", "Team/" + team, "", "", ""});
  for (const std::string& team : diff.ownTeams) lines.push_back({"team_only_here", "Team/" + team, "", "", "", ""});
  return lines;
}

void PrintText(std::ostream& out, const std::vector<DiffLine>& lines) {
  for (const DiffLine& line : lines) {
    const std::string_view change = line.change;
    if (change == "new") out << "new: " << line.updateFile << '\n';
    else if (change == "only_here") out << "only here: " << line.file << '\n';
    else if (change == "moved") out << "moved: " << line.file << " -> " << line.updateFile << '\n';
    else if (change == "unreadable") out << "not compared, a file cannot be read: " << line.file << '\n';
    else if (change == "changed")
      out << line.file << ": " << line.column << ": " << Quoted(line.here) << " -> " << Quoted(line.update) << '\n';
    else if (change == "new_team") out << "new team file: " << line.updateFile << '\n';
    else out << "team file only here: " << line.file << '\n';
  }
}

// A cell that would run as a formula goes behind export's guard: the table is opened in a
// spreadsheet, and the cells come from fighter files that players trade.
std::string Guarded(const std::string& cell) {
  return NeedsFormulaGuard(cell) ? std::string(1, kFormulaGuard) + cell : cell;
}

void PrintCsv(std::ostream& out, const std::vector<DiffLine>& lines, char separator) {
  // UTF-8 behind its mark, as export writes: a spreadsheet then reads the accents right.
  out << kUtf8ByteOrderMark << WriteCsvRecord({"change", "file", "update_file", "column", "here", "update"}, separator);
  for (const DiffLine& line : lines)
    out << WriteCsvRecord({line.change, Guarded(line.file), Guarded(line.updateFile), line.column,
                           Guarded(line.here), Guarded(line.update)},
                          separator);
}

std::string Summary(const RosterDiff& diff) {
  int added = 0, own = 0, moved = 0, changed = 0;
  for (const FighterDifference& fighter : diff.fighters) {
    if (!fighter.pair.mine) ++added;
    else if (!fighter.pair.theirs) ++own;
    else {
      moved += fighter.moved;
      changed += !fighter.fields.empty() || fighter.unreadable;
    }
  }
  const std::size_t differ = diff.fighters.size();
  return std::to_string(differ) + (differ == 1 ? " fighter differs: " : " fighters differ: ") + std::to_string(added) + " new, " +
         std::to_string(own) + " only here, " + std::to_string(moved) + " moved, " + std::to_string(changed) +
         " changed; team files: " + std::to_string(diff.newTeams.size()) + " new, " +
         std::to_string(diff.ownTeams.size()) + " only here";
}

}  // namespace

int RunDiff(const RosterContext& context, const DiffOptions& options) {
  const auto other = OtherProgramFolder(context, options.otherFolder, "the folder to compare with,");
  const RosterSnapshot mine = ReadSnapshot(context);
  const RosterSnapshot theirs = ReadOtherSnapshot(context, other);
  const RosterDiff diff = DiffRosters(mine, theirs, ChoiceLists::Read(context));
  const auto lines = LinesOf(diff, mine, theirs);
  if (options.csv)
    PrintCsv(context.out, lines, options.separator);
  else
    PrintText(context.out, lines);
  // Folders that could not be listed: their fighters are not compared.
  for (const auto* roster : {&mine, &theirs})
    for (const UnlistedFolder& folder : roster->unlisted)
      context.err << (roster == &mine ? "" : "update: ") << folder.display << ": error: " << folder.message << '\n';
  // The last line of the listing; beside a table, a message.
  (options.csv ? context.err : context.out) << Summary(diff) << '\n';
  if (!mine.unlisted.empty() || !theirs.unlisted.empty()) return kExitUsage;
  return diff.Empty() ? kExitDone : kExitProblems;
}

}  // namespace beditor::roster
