#include "core/ratings.h"

#include <cmath>
#include <limits>

namespace beditor {

static_assert(std::numeric_limits<long double>::digits >= 64,
              "the ratings need a long double with a 64-bit significand");

namespace {

using Extended = long double;

Extended Average(int total, int count) {
  return static_cast<Extended>(total) / static_cast<Extended>(count);
}

// Whole number nearest to average * 5; exact halves go to the even neighbour, the
// default rounding mode, which the program never changes.
int Percent(Extended average) { return static_cast<int>(std::nearbyint(average * 5.0L)); }

}  // namespace

Ratings RateAbilities(const AbilityValues& v) {
  const Extended ground = Average(v.td + v.gnp + v.sub + v.groundGame, 4);
  const Extended striking = Average(v.punch + v.kick + v.clinch, 3);
  const Extended defense = Average(v.dodge + v.tdDef + v.subDef, 3);
  const Extended fitness = Average(v.strenght + v.agility + v.stamina + v.koRes + v.fortitude, 5);
  const Extended mental = Average(v.motivation + v.pace + v.agressivity, 3);
  const Extended overall = ((((ground + defense) + fitness) + mental) + striking) / 5.0L;
  return {Percent(ground), Percent(striking), Percent(defense),
          Percent(fitness), Percent(mental),  Percent(overall)};
}

}  // namespace beditor
