// The six ratings from the ability values, including the halves and the extended-precision
// Overall.
#include <gtest/gtest.h>

#include "core/ratings.h"

namespace beditor {
namespace {

AbilityValues AllAt(int value) {
  AbilityValues v;
  for (int* field : {&v.punch, &v.kick, &v.strength, &v.clinch, &v.agility, &v.dodge,
                     &v.motivation, &v.td, &v.tdDef, &v.gnp, &v.sub, &v.subDef, &v.stamina,
                     &v.fortitude, &v.pace, &v.aggressiveness, &v.koRes, &v.groundGame})
    *field = value;
  return v;
}

TEST(RateAbilitiesTest, LimitsGiveFiveAndHundred) {
  EXPECT_EQ(RateAbilities(AllAt(1)), (Ratings{5, 5, 5, 5, 5, 5}));
  EXPECT_EQ(RateAbilities(AllAt(20)), (Ratings{100, 100, 100, 100, 100, 100}));
}

TEST(RateAbilitiesTest, HalvesGoToTheEvenNeighbour) {
  // Ground totals 6, 10, 14, 58: 7.5, 12.5, 17.5, 72.5 before rounding.
  const std::pair<int, int> cases[] = {{6, 8}, {10, 12}, {14, 18}, {58, 72}};
  for (auto [total, percent] : cases) {
    AbilityValues v = AllAt(1);
    v.td = total - 3;
    EXPECT_EQ(RateAbilities(v).ground, percent) << "ground total " << total;
  }
}

TEST(RateAbilitiesTest, EachRatingReadsItsOwnBoxes) {
  // Each rating's boxes raised on their own: the other five stay at 5.
  struct Case {
    std::vector<int AbilityValues::*> boxes;
    int Ratings::*rating;
  };
  const Case cases[] = {
      {{&AbilityValues::td, &AbilityValues::gnp, &AbilityValues::sub, &AbilityValues::groundGame},
       &Ratings::ground},
      {{&AbilityValues::punch, &AbilityValues::kick, &AbilityValues::clinch}, &Ratings::striking},
      {{&AbilityValues::dodge, &AbilityValues::tdDef, &AbilityValues::subDef}, &Ratings::defense},
      {{&AbilityValues::strength, &AbilityValues::agility, &AbilityValues::stamina,
        &AbilityValues::koRes, &AbilityValues::fortitude},
       &Ratings::fitness},
      {{&AbilityValues::motivation, &AbilityValues::pace, &AbilityValues::aggressiveness},
       &Ratings::mental},
  };
  for (const Case& c : cases) {
    AbilityValues v = AllAt(1);
    for (auto box : c.boxes) v.*box = 20;
    const Ratings r = RateAbilities(v);
    EXPECT_EQ(r.*c.rating, 100);
    EXPECT_EQ(r.ground + r.striking + r.defense + r.fitness + r.mental, 100 + 4 * 5);
    EXPECT_EQ(r.overall, 24);  // (20 + 4 * 1) / 5 * 5
  }
}

TEST(RateAbilitiesTest, OverallComesFromTheUnroundedAverages) {
  AbilityValues v = AllAt(1);
  v.td = 2;
  v.punch = 3;
  v.dodge = 3;
  EXPECT_EQ(RateAbilities(v), (Ratings{6, 8, 8, 5, 5, 7}));
}

TEST(RateAbilitiesTest, OverallIsComputedInExtendedPrecision) {
  // The exact Overall is 43.5 (44 after rounding); the extended computation lands below it.
  AbilityValues v = AllAt(2);
  v.td = 20;
  v.gnp = 20;
  v.sub = 10;
  v.groundGame = 8;
  v.punch = 6;
  v.kick = 5;
  v.clinch = 5;
  v.dodge = 20;
  v.tdDef = 20;
  v.subDef = 19;
  EXPECT_EQ(RateAbilities(v), (Ratings{72, 27, 98, 10, 10, 43}));
}

TEST(RateAbilitiesTest, MixedFighters) {
  // Worked out independently with exact fractions rounded to a 64-bit significand.
  const AbilityValues first{10, 12, 3, 14, 7, 18, 20, 5, 9, 6, 11, 13, 15, 4, 2, 19, 16, 8};
  EXPECT_EQ(RateAbilities(first), (Ratings{38, 60, 67, 45, 68, 56}));
  const AbilityValues second{17, 1, 20, 9, 11, 4, 13, 19, 7, 2, 16, 5, 8, 12, 20, 1, 6, 3};
  EXPECT_EQ(RateAbilities(second), (Ratings{50, 45, 27, 57, 57, 47}));
}

}  // namespace
}  // namespace beditor
