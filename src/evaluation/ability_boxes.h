#pragma once
// The editor window's eighteen ability boxes, handed to the evaluation window, which reads
// their values each time it is opened.
#include <array>

#include "core/fighter_layout.h"

namespace beditor {

class StatSpinEdit;

// In the order of record::kAbilityFields: the box of field f is at AbilityIndex(f).
using AbilityBoxes = std::array<const StatSpinEdit*, record::kAbilityFields.size()>;

}  // namespace beditor
