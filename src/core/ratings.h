#pragma once
// The six ratings of a fighter, from the eighteen ability values (each 1 .. 20).
#include <array>

#include "core/fighter_layout.h"

namespace beditor {

// Named as the formulas read them.
struct AbilityValues {
  int punch = 1, kick = 1, strength = 1, clinch = 1, agility = 1, dodge = 1;
  int motivation = 1, td = 1, tdDef = 1, gnp = 1, sub = 1, subDef = 1;
  int stamina = 1, fortitude = 1, pace = 1, aggressiveness = 1, koRes = 1, groundGame = 1;
};

// Which value holds each ability field of the fighter layout: whoever fills the values (from
// the editor's boxes, from a file) goes through this one table.
struct AbilityValueMember {
  record::Field field;
  int AbilityValues::*value;
};
constexpr std::array<AbilityValueMember, record::kAbilityFields.size()> kAbilityValueMembers = {{
    {record::Field::Punches, &AbilityValues::punch},
    {record::Field::Kicks, &AbilityValues::kick},
    {record::Field::Strength, &AbilityValues::strength},
    {record::Field::Clinch, &AbilityValues::clinch},
    {record::Field::Agility, &AbilityValues::agility},
    {record::Field::Dodge, &AbilityValues::dodge},
    {record::Field::Motivation, &AbilityValues::motivation},
    {record::Field::Takedowns, &AbilityValues::td},
    {record::Field::TakedownDefence, &AbilityValues::tdDef},
    {record::Field::GroundAndPound, &AbilityValues::gnp},
    {record::Field::Submissions, &AbilityValues::sub},
    {record::Field::SubmissionDefence, &AbilityValues::subDef},
    {record::Field::Stamina, &AbilityValues::stamina},
    {record::Field::Fortitude, &AbilityValues::fortitude},
    {record::Field::Pace, &AbilityValues::pace},
    {record::Field::Aggressiveness, &AbilityValues::aggressiveness},
    {record::Field::KoResistance, &AbilityValues::koRes},
    {record::Field::GroundGame, &AbilityValues::groundGame},
}};
static_assert(
    [] {
      std::array<int, kAbilityValueMembers.size()> uses{};
      for (const AbilityValueMember& member : kAbilityValueMembers) ++uses[record::AbilityIndex(member.field)];
      for (std::size_t i = 0; i < uses.size(); ++i)
        for (std::size_t j = 0; j < i; ++j)
          if (kAbilityValueMembers[i].value == kAbilityValueMembers[j].value) return false;
      for (const int count : uses)
        if (count != 1) return false;
      return true;
    }(),
    "each ability field fills its own value");

// Percents: an average times 5, halves to the even neighbour.
struct Ratings {
  int ground = 0, striking = 0, defense = 0, fitness = 0, mental = 0, overall = 0;
  friend bool operator==(const Ratings&, const Ratings&) = default;
};

// Overall is the average of the five unrounded averages. The arithmetic has a 64-bit
// significand (the x87's extended precision, or its software equivalent) in a fixed order:
// Overall can land a hair below a half there, and the program has always shown that value.
Ratings RateAbilities(const AbilityValues& values);

}  // namespace beditor
