#pragma once
// What sets the two games apart in a fighter: JEX knows neither the "Go to the ground" game
// plan nor nine of the fields, which the JEX editor locks and partly fills itself.
#include <array>
#include <optional>
#include <string_view>

#include "core/fighter_layout.h"

namespace beditor::record {

// Whether a fighter of the game may have the game plan at this list position.
constexpr bool AllowsGamePlan(Game game, long long position) {
  return game != Game::JEX || position != kGoToTheGroundPosition;
}

// The fields JEX has no use for, in the order the mode switch locks and unlocks their
// controls.
constexpr std::array<Field, 9> kFieldsJexLacks = {
    Field::GroundGamePlan, Field::SherdogId,      Field::FancySubmissions,
    Field::Takedowns,      Field::TakedownDefence, Field::GroundAndPound,
    Field::GroundGame,     Field::Submissions,     Field::SubmissionDefence,
};

// The line the JEX editor puts into such a field as it switches to JEX, and that a new
// fighter made in JEX mode gets where it was given none: no Sherdog ID ("0") and the first
// ground game plan. The other fields keep what they hold.
constexpr std::optional<std::string_view> JexPresetLine(Field field) {
  if (field == Field::SherdogId) return "0";
  if (field == Field::GroundGamePlan) return "0";
  return std::nullopt;
}
static_assert(StoredChoice(Field::GroundGamePlan, 0) == 0, "the ground game plan's preset is its first entry");

}  // namespace beditor::record
