#include "roster/check_command.h"

#include <algorithm>
#include <unordered_map>

#include "core/fighter_record.h"
#include "core/game_rules.h"
#include "core/number_text.h"
#include "core/team_file.h"
#include "core/windows_1252.h"
#include "roster/choice_lists.h"
#include "roster/fighter_view.h"
#include "roster/first_holders.h"
#include "roster/progress_line.h"
#include "roster/quoted_text.h"
#include "roster/roster_files.h"

namespace beditor::roster {
namespace {

using record::Field;
using record::FieldKind;
using record::FieldLayout;

struct Finding {
  int line;  // from 1
  bool error;
  std::string message;
};

std::string About(const FieldLayout& field) {
  return "line " + std::to_string(field.line + 1) + " (" + field.title + "): ";
}

const char* GameName(record::Game game) { return game == record::Game::JEX ? "JEX" : "TAV"; }

class RosterCheck {
 public:
  RosterCheck(const RosterContext& context, ChoiceLists lists, std::size_t files)
      : context_(context), lists_(std::move(lists)), reader_(context), sherdogIds_(files), fullNames_(files) {}

  std::vector<Finding> Check(const FighterFile& file) {
    std::vector<Finding> findings;
    FighterView& fighter = fighter_;
    try {
      reader_.Read(file, fighter);
    } catch (const BEditorError& error) {
      findings.push_back({1, true, error.what()});
      return findings;
    }
    const auto add = [&findings](const FieldLayout& field, bool error, std::string message) {
      findings.push_back({field.line + 1, error, About(field) + message});
    };

    if (fighter.storedLineCount < record::kLoadedLineCount) {
      findings.push_back({fighter.storedLineCount + 1, false,
                          std::to_string(fighter.storedLineCount) + " lines, fewer than " +
                              std::to_string(record::kLoadedLineCount) + ": the editor pads them with \"0\""});
    }

    for (std::size_t i = 0; i < record::kFields.size(); ++i) {
      const FieldLayout& field = record::kFields[i];
      const std::string_view stored = fighter.recordLines[static_cast<std::size_t>(field.line)];
      const bool wasStored = field.line < fighter.storedLineCount;
      if (record::IsNumberKind(field.kind)) {
        const auto& number = fighter.numbers[i];
        if (!number) {
          add(field, true, Quoted(Windows1252ToUtf8(stored)) + " is not an integer: the editor refuses to load the file");
          continue;
        }
        if (field.kind == FieldKind::Ability && ShownAbility(*number) != *number) {
          add(field, false, std::to_string(*number) + " is outside 1..20: the editor shows " +
                                std::to_string(ShownAbility(*number)));
        }
        const long long position = static_cast<long long>(*number) - field.offset;  // as ChoicePosition
        if (field.field == Field::Category && file.folder) CheckCategory(field, *number, position, *file.folder, add);
        if (field.field == Field::GamePlan && !record::AllowsGamePlan(context_.game, position))
          add(field, true, "Go to the ground is not a JEX game plan: the editor refuses to save the fighter");
        const auto styles = lists_.Entries(record::ChoiceList::FightStyle).size();
        if (field.field == Field::FightStyle && (position < 0 || position >= static_cast<long long>(styles)))
          add(field, false, std::to_string(*number) + " selects no entry of the style list (" + std::to_string(styles) +
                                " entries)");
      } else if (field.kind == FieldKind::Team && wasStored) {
        CheckTeam(field, stored, add);
      } else if (wasStored && field.field == Field::SherdogId && !stored.empty() && TryParseInteger(stored) != 0) {
        if (const FighterFile* first = sherdogIds_.Add(stored, &file))
          add(field, false, Windows1252ToUtf8(stored) + " is also the Sherdog ID of " + first->Display());
      } else if (wasStored && field.field == Field::FullName && !stored.empty()) {
        if (const FighterFile* first = fullNames_.Add(stored, &file))
          add(field, false, Quoted(Windows1252ToUtf8(stored)) + " is also the full name of " + first->Display());
      }
    }
    std::stable_sort(findings.begin(), findings.end(),
                     [](const Finding& a, const Finding& b) { return a.line < b.line; });
    return findings;
  }

 private:
  template <typename Add>
  void CheckCategory(const FieldLayout& field, std::int32_t stored, long long position, const std::string& folder,
                     Add& add) {
    const auto wanted = record::CategoryFolder(context_.game, position);
    if (!wanted) {
      add(field, true, std::to_string(stored) + " selects no " + GameName(context_.game) +
                           " category, and the file is in " + folder);
      return;
    }
    if (*wanted == folder) return;
    const auto& entries = lists_.Entries(record::ChoiceList::Weight);
    const std::string category = position < static_cast<long long>(entries.size())
                                     ? entries[static_cast<std::size_t>(position)]
                                     : std::to_string(stored);
    add(field, true, category + " belongs in " + std::string(*wanted) + ", not in " + folder);
  }

  template <typename Add>
  void CheckTeam(const FieldLayout& field, std::string_view stored, Add& add) {
    if (stored == record::kNoTeamLine || stored.empty()) return;
    auto [known, added] = teamFiles_.try_emplace(std::string(stored), true);
    if (added) {
      // The editor keeps no file for a team whose name cannot name one.
      known->second = !MissingTeamFile(context_.folder, Windows1252ToUtf8(stored));
    }
    if (!known->second) add(field, false, "no team file Team/" + Windows1252ToUtf8(stored) + ".txt");
  }

  const RosterContext& context_;
  ChoiceLists lists_;
  FighterReader reader_;
  FighterView fighter_;  // the file being checked
  std::unordered_map<std::string, bool> teamFiles_;  // by the team line's bytes
  // The first file of each identity; the files outlive the check.
  FirstHolders<FighterFile> sherdogIds_;
  FirstHolders<FighterFile> fullNames_;
};

}  // namespace

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
