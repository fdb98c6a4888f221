#pragma once
// The arithmetic of the six ratings, for either 64-bit-significand type: the program runs it
// in Extended, and a test runs the hardware and the software type through these same
// formulas to show they agree.
#include <array>

#include "core/extended_float.h"
#include "core/ratings.h"

namespace beditor::rating_formulas {

template <typename Real>
Real Average(int total, int count) {
  return Real(total) / Real(count);
}

// Whole number nearest to average * 5, exact halves to the even neighbour.
template <typename Real>
int Percent(const Real& average) {
  return RoundHalfEven(Real(average * Real(5)));
}

// The average of the five unrounded averages, given in the order ground, defense, fitness,
// mental, striking: a running sum from the left, then one division. Every sum is rounded, so
// another order could move the total across a half.
template <typename Real>
Real OverallAverage(const std::array<Real, 5>& averages) {
  Real sum = averages[0];
  for (std::size_t i = 1; i < averages.size(); ++i) sum = sum + averages[i];
  return sum / Real(5);
}

template <typename Real>
Ratings Rate(const AbilityValues& v) {
  const Real ground = Average<Real>(v.td + v.gnp + v.sub + v.groundGame, 4);
  const Real striking = Average<Real>(v.punch + v.kick + v.clinch, 3);
  const Real defense = Average<Real>(v.dodge + v.tdDef + v.subDef, 3);
  const Real fitness = Average<Real>(v.strength + v.agility + v.stamina + v.koRes + v.fortitude, 5);
  const Real mental = Average<Real>(v.motivation + v.pace + v.aggressiveness, 3);
  const Real overall = OverallAverage<Real>({ground, defense, fitness, mental, striking});
  return {Percent(ground), Percent(striking), Percent(defense),
          Percent(fitness), Percent(mental),  Percent(overall)};
}

}  // namespace beditor::rating_formulas
