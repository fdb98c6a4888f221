#pragma once
// The editor window's eighteen ability boxes, handed to the evaluation window, which reads
// their values each time it is opened.
namespace beditor {

class StatSpinEdit;

struct AbilityBoxes {
  const StatSpinEdit* spPunch = nullptr;
  const StatSpinEdit* spKick = nullptr;
  const StatSpinEdit* spStrenght = nullptr;
  const StatSpinEdit* spClinch = nullptr;
  const StatSpinEdit* spAgility = nullptr;
  const StatSpinEdit* spDodge = nullptr;
  const StatSpinEdit* spMotivation = nullptr;
  const StatSpinEdit* spTD = nullptr;
  const StatSpinEdit* spTDDef = nullptr;
  const StatSpinEdit* spGnP = nullptr;
  const StatSpinEdit* spSub = nullptr;
  const StatSpinEdit* spSubDef = nullptr;
  const StatSpinEdit* spStamina = nullptr;
  const StatSpinEdit* spFortitude = nullptr;
  const StatSpinEdit* spPace = nullptr;
  const StatSpinEdit* spAgressivity = nullptr;
  const StatSpinEdit* spKORes = nullptr;
  const StatSpinEdit* spGroundGame = nullptr;
};

}  // namespace beditor
