#pragma once
// What saving a fighter asks and does to the record, in the editor and for a fighter the
// roster tool creates.
#include <array>
#include <filesystem>

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

// A fighter saved into another category's folder leaves its former file, removed once the new
// one is whole (by the editor's save and by the roster's import alike). Throws FileRemoveError
// when it is still there (read-only, say): the fighter is then in two folders, and the caller
// says so. A file already gone is no failure.
void RemoveFormerFile(const std::filesystem::path& former);

}  // namespace beditor::record
