#pragma once
// What saving a fighter asks and does to the record, in the editor and for a fighter the
// roster tool creates.
#include <array>

#include "core/fighter_layout.h"
#include "core/line_list.h"

namespace beditor::record {

// The fields a fighter is not saved without.
constexpr std::array<Field, 8> kFieldsNeededToSave = {
    Field::FullName,  Field::CommonName,     Field::Category,   Field::GamePlan,
    Field::SherdogId, Field::GroundGamePlan, Field::FightStyle, Field::ClinchGamePlan,
};

constexpr bool IsNeededToSave(Field field) {
  for (const Field needed : kFieldsNeededToSave)
    if (needed == field) return true;
  return false;
}

// Saving turns every empty line from 0 to this one (the fight style) into "0".
constexpr int kLastZeroFilled = 32;
void ZeroFillEmptyLines(LineList& lines);

}  // namespace beditor::record
