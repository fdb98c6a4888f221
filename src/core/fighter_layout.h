#pragma once
// The layout of a fighter file, in one place: which line holds which field, how a choice is
// stored, the fixed choice lists, and the category folder of each weight position per game.
// The editor's bindings, its load checks and save folders, the roster tool and the tests are
// all derived from this table.
#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

namespace beditor::record {

// The two games; a mode number other than 1 shows and saves as TAV.
enum class Game { TAV, JEX };
constexpr Game GameFromModeNumber(int number) { return number == 1 ? Game::JEX : Game::TAV; }

// The range of an ability as the editor shows and stores it.
constexpr int kLowestAbility = 1;
constexpr int kHighestAbility = 20;

enum class FieldKind {
  Ability,  // a whole number, 1..20 as the editor shows it
  Text,     // any text of one line
  Choice,   // a list position stored as a number (position + offset)
  Team,     // text; kNoTeamLine stands for no team
};

// The team line of a fighter without a team; the team box shows it empty.
constexpr std::string_view kNoTeamLine = "0";

enum class ChoiceList { None, GamePlan, Weight, GroundGamePlan, ClinchGamePlan, FightStyle, Fancy };

enum class Field {
  FullName, CommonName, Category, GamePlan, GroundGamePlan, ClinchGamePlan, FightStyle,
  FancyStrikes, FancySubmissions, Team, Height, Weight, Nationality, BirthDate, SherdogId,
  Punches, Kicks, Strength, Clinch, Agility, Dodge, Motivation, Takedowns, TakedownDefence,
  GroundAndPound, Submissions, SubmissionDefence, Stamina, Fortitude, Pace, Aggressiveness,
  KoResistance, GroundGame,
};

struct FieldLayout {
  Field field;
  int line;  // from 0
  FieldKind kind;
  ChoiceList list;
  int offset;           // stored number = list position + offset
  const char* column;   // the roster tool's CSV column
  const char* title;    // the field's name in messages
};

// In the roster tool's column order. One object for the whole program (inline), so that a
// pointer to a row means the same row wherever it was taken.
inline constexpr std::array<FieldLayout, 33> kFields = {{
    {Field::FullName, 17, FieldKind::Text, ChoiceList::None, 0, "full_name", "Full name"},
    {Field::CommonName, 18, FieldKind::Text, ChoiceList::None, 0, "common_name", "Common name"},
    {Field::Category, 20, FieldKind::Choice, ChoiceList::Weight, -1, "category", "Category"},
    {Field::GamePlan, 19, FieldKind::Choice, ChoiceList::GamePlan, 1, "game_plan", "Game plan"},
    {Field::GroundGamePlan, 27, FieldKind::Choice, ChoiceList::GroundGamePlan, 0, "ground_game_plan", "Ground game plan"},
    {Field::ClinchGamePlan, 33, FieldKind::Choice, ChoiceList::ClinchGamePlan, 0, "clinch_game_plan", "Clinch game plan"},
    {Field::FightStyle, 32, FieldKind::Choice, ChoiceList::FightStyle, 0, "fight_style", "Fight style"},
    {Field::FancyStrikes, 28, FieldKind::Choice, ChoiceList::Fancy, 0, "fancy_strikes", "Fancy strikes"},
    {Field::FancySubmissions, 29, FieldKind::Choice, ChoiceList::Fancy, 0, "fancy_submissions", "Fancy submissions"},
    {Field::Team, 31, FieldKind::Team, ChoiceList::None, 0, "team", "Team"},
    {Field::Height, 21, FieldKind::Text, ChoiceList::None, 0, "height", "Height"},
    {Field::Weight, 22, FieldKind::Text, ChoiceList::None, 0, "weight", "Weight"},
    {Field::Nationality, 24, FieldKind::Text, ChoiceList::None, 0, "nationality", "Nationality"},
    {Field::BirthDate, 25, FieldKind::Text, ChoiceList::None, 0, "birth_date", "Birth date"},
    {Field::SherdogId, 26, FieldKind::Text, ChoiceList::None, 0, "sherdog_id", "Sherdog ID"},
    {Field::Punches, 0, FieldKind::Ability, ChoiceList::None, 0, "punches", "Punches"},
    {Field::Kicks, 1, FieldKind::Ability, ChoiceList::None, 0, "kicks", "Kicks"},
    {Field::Strength, 2, FieldKind::Ability, ChoiceList::None, 0, "strength", "Strength"},
    {Field::Clinch, 3, FieldKind::Ability, ChoiceList::None, 0, "clinch", "Clinch"},
    {Field::Agility, 4, FieldKind::Ability, ChoiceList::None, 0, "agility", "Agility"},
    {Field::Dodge, 5, FieldKind::Ability, ChoiceList::None, 0, "dodge", "Dodge"},
    {Field::Motivation, 6, FieldKind::Ability, ChoiceList::None, 0, "motivation", "Motivation"},
    {Field::Takedowns, 7, FieldKind::Ability, ChoiceList::None, 0, "takedowns", "Takedowns"},
    {Field::TakedownDefence, 8, FieldKind::Ability, ChoiceList::None, 0, "takedown_defence", "Takedown defence"},
    {Field::GroundAndPound, 9, FieldKind::Ability, ChoiceList::None, 0, "ground_and_pound", "Ground and pound"},
    {Field::Submissions, 10, FieldKind::Ability, ChoiceList::None, 0, "submissions", "Submissions"},
    {Field::SubmissionDefence, 11, FieldKind::Ability, ChoiceList::None, 0, "submission_defence", "Submission defence"},
    {Field::Stamina, 12, FieldKind::Ability, ChoiceList::None, 0, "stamina", "Stamina"},
    {Field::Fortitude, 13, FieldKind::Ability, ChoiceList::None, 0, "fortitude", "Fortitude"},
    {Field::Pace, 14, FieldKind::Ability, ChoiceList::None, 0, "pace", "Pace"},
    {Field::Aggressiveness, 15, FieldKind::Ability, ChoiceList::None, 0, "aggressiveness", "Aggressiveness"},
    {Field::KoResistance, 16, FieldKind::Ability, ChoiceList::None, 0, "ko_resistance", "KO resistance"},
    {Field::GroundGame, 23, FieldKind::Ability, ChoiceList::None, 0, "ground_game", "Ground game"},
}};

constexpr const FieldLayout& LayoutOf(Field field) {
  for (const FieldLayout& layout : kFields)
    if (layout.field == field) return layout;
  throw "every field has a row";  // never reached: a compile-time error when used in a constant
}
constexpr int LineOf(Field field) { return LayoutOf(field).line; }
// The field's row in kFields, for tables kept in its order.
constexpr std::size_t RowOf(Field field) {
  for (std::size_t row = 0; row < kFields.size(); ++row)
    if (kFields[row].field == field) return row;
  throw "every field has a row";  // never reached: a compile-time error when used in a constant
}

// The rows in line order: the order a load fills the form in, and messages about a file
// follow its lines.
inline constexpr auto kFieldsByLine = [] {
  std::array<const FieldLayout*, kFields.size()> rows{};
  for (std::size_t i = 0; i < rows.size(); ++i) rows[i] = &kFields[i];
  std::sort(rows.begin(), rows.end(), [](const FieldLayout* a, const FieldLayout* b) { return a->line < b->line; });
  return rows;
}();

// The row of the field stored on `line`, if any (lines 30 and 34 are carried, never shown).
constexpr const FieldLayout* LayoutAtLine(int line) {
  for (const FieldLayout& layout : kFields)
    if (layout.line == line) return &layout;
  return nullptr;
}

constexpr bool IsNumberKind(FieldKind kind) { return kind == FieldKind::Ability || kind == FieldKind::Choice; }

// The lines a load reads as numbers: every ability and every choice.
constexpr auto kNumberLines = [] {
  std::array<int, 25> lines{};
  std::size_t count = 0;
  for (const FieldLayout& layout : kFields)
    if (IsNumberKind(layout.kind)) lines[count++] = layout.line;
  if (count != lines.size()) throw "the table has 25 number fields";
  return lines;
}();

// The eighteen abilities, in the order of the roster's columns (and of their lines). Every
// list of the abilities, of values or of boxes, is kept in this order or looked up by field.
constexpr auto kAbilityFields = [] {
  std::array<Field, 18> fields{};
  std::size_t count = 0;
  for (const FieldLayout& layout : kFields)
    if (layout.kind == FieldKind::Ability) fields[count++] = layout.field;
  if (count != fields.size()) throw "the table has 18 abilities";
  return fields;
}();

// The ability's place in kAbilityFields.
constexpr std::size_t AbilityIndex(Field field) {
  for (std::size_t i = 0; i < kAbilityFields.size(); ++i)
    if (kAbilityFields[i] == field) return i;
  throw "not an ability";  // never reached: a compile-time error when used in a constant
}

// Stored number <-> list position.
constexpr long long StoredChoice(Field field, int position) { return position + LayoutOf(field).offset; }
constexpr long long ChoicePosition(Field field, long long stored) { return stored - LayoutOf(field).offset; }

// The fixed, untranslated entries of the choice lists.
constexpr std::array<const char*, 6> kGamePlans = {
    "All-Round", "Punches + Kicks", "Punches", "Kicks", "Clinch striking", "Go to the ground"};
constexpr int kGoToTheGroundPosition = 5;  // JEX fighters may not use it
constexpr std::array<const char*, 5> kGroundGamePlans = {"Sub", "GnP", "Sub + GnP", "LnP", "Stand up"};
constexpr std::array<const char*, 5> kClinchGamePlans = {
    "All-Round", "Punches", "Knees", "Punches+Knees", "Takedown/Throws"};
constexpr std::array<const char*, 3> kFancyChoices = {"Never", "Sometimes", "A lot"};

// The weight categories the editor knows before (or without) its weight list file.
constexpr std::array<const char*, 7> kBuiltInWeights = {
    "Featherweight: Max Max 145 lb / 66 kg", "Lightweight: Max 155 lb / 70 kg",
    "Welterweight: Max 170 lb / 77 kg",      "Middleweight: Max 185 lb / 84 kg",
    "Light Heavyweight: Max 205 lb / 93 kg", "Heavyweight: Max 265 lb / 120 kg",
    "Super Heavyweight: +265lbs / 120 kg"};

// The entries a list holds before, or without, a list file: the fixed lists, and the built-in
// weight categories. None for the style list, which always comes from its file.
constexpr std::span<const char* const> BuiltInEntries(ChoiceList list) {
  switch (list) {
    case ChoiceList::GamePlan: return kGamePlans;
    case ChoiceList::Weight: return kBuiltInWeights;
    case ChoiceList::GroundGamePlan: return kGroundGamePlans;
    case ChoiceList::ClinchGamePlan: return kClinchGamePlans;
    case ChoiceList::Fancy: return kFancyChoices;
    case ChoiceList::FightStyle:
    case ChoiceList::None: break;
  }
  return {};
}

// Category folders below Fighters/, by weight-list position.
constexpr std::array<const char*, 7> kTavFolders = {"FW", "LW", "WW", "MW", "LHW", "HW", "SHW"};
constexpr std::array<const char*, 6> kJexFolders = {"FW", "LW", "MW", "LHW", "HW", "SHW"};
// Every folder either game saves into, in TAV's order.
inline constexpr const auto& kAllFolders = kTavFolders;

constexpr std::span<const char* const> CategoryFolders(Game game) {
  return game == Game::JEX ? std::span<const char* const>(kJexFolders) : std::span<const char* const>(kTavFolders);
}

// The folder of a weight-list position, or nothing past the game's categories.
constexpr std::optional<std::string_view> CategoryFolder(Game game, long long position) {
  const auto folders = CategoryFolders(game);
  if (position < 0 || position >= static_cast<long long>(folders.size())) return std::nullopt;
  return folders[static_cast<std::size_t>(position)];
}

// The weight-list file of a game, in the program folder.
constexpr const char* WeightListFileName(Game game) { return game == Game::JEX ? "JEX Weights.txt" : "TAV Weights.txt"; }

}  // namespace beditor::record
