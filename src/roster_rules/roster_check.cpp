#include "roster_rules/roster_check.h"

#include <algorithm>

#include "core/fighter_record.h"
#include "core/file_names.h"
#include "core/game_rules.h"
#include "core/number_text.h"
#include "core/team_file.h"
#include "core/windows_1252.h"
#include "roster_rules/quoted_text.h"

namespace beditor::roster {
namespace {

using record::Field;
using record::FieldKind;
using record::FieldLayout;

std::string About(const FieldLayout& field) {
  return "line " + std::to_string(field.line + 1) + " (" + field.title + "): ";
}

const char* GameName(record::Game game) { return game == record::Game::JEX ? "JEX" : "TAV"; }

}  // namespace

template <typename Add>
void RosterCheck::CheckCategory(const FieldLayout& field, std::int32_t stored, long long position, const std::string& folder,
                   Add& add) {
  const auto wanted = record::CategoryFolder(context_.game, position);
  if (!wanted) {
    add(field, true, std::to_string(stored) + " selects no " + GameName(context_.game) +
                         " category, and the file is in " + folder);
    return;
  }
  // Where the system ignores case, "lw" is the folder of "LW".
  if (FileSystemNameKey(*wanted) == FileSystemNameKey(folder)) return;
  const auto& entries = lists_.Entries(record::ChoiceList::Weight);
  const std::string category = position < static_cast<long long>(entries.size())
                                   ? entries[static_cast<std::size_t>(position)]
                                   : std::to_string(stored);
  add(field, true, category + " belongs in " + std::string(*wanted) + ", not in " + folder);
}

template <typename Add>
void RosterCheck::CheckTeam(const FieldLayout& field, std::string_view stored, Add& add) {
  if (stored == record::kNoTeamLine || stored.empty()) return;
  auto [known, added] = teamFiles_.try_emplace(std::string(stored), true);
  if (added) {
    // The editor keeps no file for a team whose name cannot name one.
    known->second = !MissingTeamFile(context_.folder, Windows1252ToUtf8(stored));
  }
  if (!known->second) add(field, false, "no team file Team/" + Windows1252ToUtf8(stored) + ".txt");
}

std::vector<Finding> RosterCheck::Check(const FighterFile& file) {
  try {
    reader_.Read(file, fighter_);
  } catch (const BEditorError& error) {
    return {{1, true, error.what()}};
  }
  return CheckLoaded(file, fighter_);
}

std::vector<Finding> RosterCheck::CheckLoaded(const FighterFile& file, const FighterView& fighter) {
  std::vector<Finding> findings;
  const auto add = [&findings](const FieldLayout& field, bool error, std::string message) {
    findings.push_back({field.line + 1, error, About(field) + message});
  };

  // Such a name came from Windows (a zip unpacked here); other programs may show it garbled.
  if (file.windows1252Name)
    findings.push_back({1, false, "the name of the file or its folder is not UTF-8: it is read as Windows-1252"});

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

}  // namespace beditor::roster
