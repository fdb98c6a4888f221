#pragma once
// The six ratings of a fighter, from the eighteen ability values (each 1 .. 20).
namespace beditor {

struct AbilityValues {
  int punch = 1, kick = 1, strenght = 1, clinch = 1, agility = 1, dodge = 1;
  int motivation = 1, td = 1, tdDef = 1, gnp = 1, sub = 1, subDef = 1;
  int stamina = 1, fortitude = 1, pace = 1, agressivity = 1, koRes = 1, groundGame = 1;
};

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
