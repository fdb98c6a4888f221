#include "core/ratings.h"

#include "core/extended_float.h"
#include "core/rating_formulas.h"

namespace beditor {

Ratings RateAbilities(const AbilityValues& values) {
  return rating_formulas::Rate<Extended>(values);
}

}  // namespace beditor
