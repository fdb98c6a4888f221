// The ratings in the x87's long double and in the software type agree on every value a
// fighter can give them.
#include <gtest/gtest.h>

#include <array>
#include <random>
#include <set>

#include "core/rating_formulas.h"
#include "extended_agreement.h"

namespace beditor {
namespace {

using test::AsSoftware;
using test::SameValue;
using namespace rating_formulas;

// An average of `count` abilities, each 1 .. 20: its total runs from count to 20 * count.
struct AverageOf {
  int count;
  int FirstTotal() const { return count; }
  int LastTotal() const { return 20 * count; }
};

TEST(RatingsAgreement, EveryAverageAndItsPercent) {
  BEDITOR_SKIP_WITHOUT_HARDWARE_EXTENDED();
  for (const AverageOf average : {AverageOf{3}, AverageOf{4}, AverageOf{5}}) {
    for (int total = average.FirstTotal(); total <= average.LastTotal(); ++total) {
      const auto hardware = Average<HardwareExtended>(total, average.count);
      const auto software = Average<SoftwareExtended>(total, average.count);
      ASSERT_TRUE(SameValue(hardware, software)) << total << " / " << average.count;
      ASSERT_EQ(Percent(hardware), Percent(software)) << total << " / " << average.count;
    }
  }
}

// Overall adds the five averages from the left (ground, defense, fitness, mental,
// striking) and divides by five. There are 77 * 58 * 96 * 58 * 58 fighters' worth of total
// combinations, but far fewer distinct running sums: each addition is run on every running
// sum the additions before it can give, with every total of the next average, so every
// fighter's path is covered.
TEST(RatingsAgreement, EveryRunningSumAndOverall) {
  BEDITOR_SKIP_WITHOUT_HARDWARE_EXTENDED();
  const std::array<AverageOf, 5> terms = {{{4}, {3}, {5}, {3}, {3}}};
  std::set<HardwareExtended> sums;
  for (int total = terms[0].FirstTotal(); total <= terms[0].LastTotal(); ++total)
    sums.insert(Average<HardwareExtended>(total, terms[0].count));
  for (std::size_t term = 1; term < terms.size(); ++term) {
    std::set<HardwareExtended> next;
    for (const HardwareExtended sum : sums) {
      const SoftwareExtended softwareSum = AsSoftware(sum);
      for (int total = terms[term].FirstTotal(); total <= terms[term].LastTotal(); ++total) {
        const auto hardware = sum + Average<HardwareExtended>(total, terms[term].count);
        const auto software = softwareSum + Average<SoftwareExtended>(total, terms[term].count);
        ASSERT_TRUE(SameValue(hardware, software)) << "term " << term << ", total " << total;
        next.insert(hardware);
      }
    }
    sums = std::move(next);
  }
  // The formula itself with the whole sum as its first term: adding zeros is exact, so this
  // is Overall's final division.
  for (const HardwareExtended sum : sums) {
    const auto hardware = OverallAverage<HardwareExtended>({sum, 0, 0, 0, 0});
    const auto software = OverallAverage<SoftwareExtended>({AsSoftware(sum), 0, 0, 0, 0});
    ASSERT_TRUE(SameValue(hardware, software));
    ASSERT_EQ(Percent(hardware), Percent(software));
  }
}

// The whole formula, both types, on many fighters: the steps above are the ones it takes.
TEST(RatingsAgreement, WholeFightersRateAlike) {
  BEDITOR_SKIP_WITHOUT_HARDWARE_EXTENDED();
  std::mt19937 random(20240612);
  std::uniform_int_distribution<int> ability(1, 20);
  for (int fighter = 0; fighter < 20000; ++fighter) {
    AbilityValues v;
    for (int* field : {&v.punch, &v.kick, &v.strength, &v.clinch, &v.agility, &v.dodge,
                       &v.motivation, &v.td, &v.tdDef, &v.gnp, &v.sub, &v.subDef, &v.stamina,
                       &v.fortitude, &v.pace, &v.aggressiveness, &v.koRes, &v.groundGame})
      *field = ability(random);
    ASSERT_EQ(Rate<HardwareExtended>(v), Rate<SoftwareExtended>(v)) << "fighter " << fighter;
  }
}

}  // namespace
}  // namespace beditor
