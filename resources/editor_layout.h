#pragma once
// Layout of the editor window: every control's place, size, tab position, record line and
// caption. Positions are left, top in the client area; captions are the designed (Spanish)
// texts shown before the caption table is applied; `captionLine` is the caption-table line
// that replaces them (-1: never translated).
#include <array>

#include "core/fighter_layout.h"

namespace beditor::layout {

constexpr int kClientWidth = 844;
constexpr int kClientHeight = 386;
constexpr const char* kWindowCaption = "Brennic Editor";

using F = record::Field;

enum class LabelSide { Above, Left };

struct TextBoxLayout {
  const char* name;
  int left, top, width, height;
  int tab;
  record::Field field;  // the record line it edits
  const char* label;
  int captionLine;
  LabelSide side;
};

// Text boxes carry their caption label, placed by the label rule.
constexpr std::array<TextBoxLayout, 7> kTextBoxes = {{
    {"edNombre", 24, 52, 201, 21, 0, F::FullName, "Nombre completo", 47, LabelSide::Above},
    {"edNombreCorto", 231, 52, 201, 21, 1, F::CommonName, "Nombre común", 48, LabelSide::Above},
    {"edEstatura", 24, 92, 201, 21, 2, F::Height, "Estatura", 49, LabelSide::Above},
    {"edPeso", 231, 92, 201, 21, 3, F::Weight, "Peso", 50, LabelSide::Above},
    {"lbNacionalidad", 24, 134, 201, 21, 4, F::Nationality, "Nacionalidad", 51, LabelSide::Above},
    {"lbFechaNac", 231, 134, 201, 21, 5, F::BirthDate, "Fecha de nacimiento", 52, LabelSide::Above},
    {"edSherdog", 312, 168, 120, 21, 27, F::SherdogId, "ID Sherdog", 77, LabelSide::Left},
}};

struct AbilityBoxLayout {
  const char* name;
  int left, top;
  int tab;
  record::Field field;  // its line is also the box's RecordLine()
  const char* labelName;
  int labelLeft, labelTop;
  const char* label;
  int captionLine;
};

constexpr int kAbilityWidth = 65;
constexpr int kAbilityHeight = 21;

// In the order the window holds them (the order clearing visits them).
constexpr std::array<AbilityBoxLayout, 18> kAbilityBoxes = {{
    {"spPunch", 558, 47, 6, F::Punches, "Label2", 446, 55, "Puños", 53},
    {"spKick", 558, 75, 7, F::Kicks, "Label3", 446, 83, "Patadas", 54},
    {"spStrenght", 558, 104, 8, F::Strength, "Label4", 446, 112, "Fuerza", 55},
    {"spClinch", 558, 132, 9, F::Clinch, "Label5", 446, 141, "Agarres", 56},
    {"spAgility", 558, 161, 10, F::Agility, "Label6", 446, 169, "Agilidad", 57},
    {"spDodge", 558, 189, 11, F::Dodge, "Label7", 446, 198, "Esquiva", 58},
    {"spMotivation", 558, 218, 12, F::Motivation, "Label8", 446, 226, "Motivación", 59},
    {"spTD", 558, 248, 13, F::Takedowns, "Label9", 446, 255, "Derribo", 60},
    {"spTDDef", 558, 275, 14, F::TakedownDefence, "Label10", 446, 284, "Def contra derribos", 61},
    {"spGnP", 758, 47, 15, F::GroundAndPound, "Label11", 646, 55, "Ground'n'Pound", 62},
    {"spGroundGame", 758, 74, 16, F::GroundGame, "Suelo", 646, 83, "Suelo", 63},
    {"spSub", 758, 104, 17, F::Submissions, "Label12", 646, 112, "Sometimiento", 64},
    {"spSubDef", 759, 131, 18, F::SubmissionDefence, "Label13", 646, 140, "Def contra sometiento", 65},
    {"spStamina", 758, 160, 19, F::Stamina, "Label14", 647, 163, "Fondo", 66},
    {"spFortitude", 758, 188, 20, F::Fortitude, "Label15", 646, 196, "Resistencia", 67},
    {"spPace", 758, 216, 21, F::Pace, "Label16", 646, 224, "Ritmo", 68},
    {"spAgressivity", 758, 244, 22, F::Aggressiveness, "Label17", 646, 252, "Agresividad", 69},
    {"spKORes", 758, 271, 23, F::KoResistance, "Label18", 647, 281, "Resistencia al KO", 70},
}};

struct ChoiceBoxLayout {
  const char* name;
  int left, top, width, height;
  int tab;
  record::Field field;
  const char* labelName;
  int labelLeft, labelTop;
  const char* label;
  int captionLine;
};

constexpr std::array<ChoiceBoxLayout, 8> kChoiceBoxes = {{
    {"cbGamePlan", 128, 163, 112, 21, 24, F::GamePlan, "Label19", 24, 171, "Estrategia", 71},
    {"cbGroundGPlan", 128, 192, 112, 21, 25, F::GroundGamePlan, "lbGroundGPlan", 22, 200, "Estrategia suelo", 107},
    {"cbClinchGPlan", 128, 221, 112, 21, 26, F::ClinchGamePlan, "Label21", 24, 226, "Clinch Gameplan", -1},
    {"cbTeam", 312, 195, 120, 21, 28, F::Team, "lbTeam", 256, 200, "Team", 115},
    {"cbCatPeso", 189, 254, 218, 21, 29, F::Category, "Label1", 22, 260, "Categoria", 72},
    {"cbJuegoSucio", 189, 281, 218, 21, 30, F::FightStyle, "Label20", 22, 287, "Fight Style", -1},
    {"cbFancyStrikes", 189, 308, 218, 21, 31, F::FancyStrikes, "lbFancySt", 24, 314, "Fighter tries fancy strikes", 112},
    {"cbFancySubs", 189, 335, 218, 21, 32, F::FancySubmissions, "lbFancySubs", 24, 341, "Fighter tries fancy submissions", 113},
}};

// A list's entries are the fighter layout's (record::BuiltInEntries of its field's list).

// Every field of the record has exactly one control: the form's bindings are this pairing.
static_assert(
    [] {
      std::array<int, record::kFields.size()> controls{};
      for (const auto& box : kTextBoxes) ++controls[record::RowOf(box.field)];
      for (const auto& box : kAbilityBoxes) ++controls[record::RowOf(box.field)];
      for (const auto& box : kChoiceBoxes) ++controls[record::RowOf(box.field)];
      for (const int count : controls)
        if (count != 1) return false;
      for (const auto& box : kTextBoxes)
        if (record::LayoutOf(box.field).kind != record::FieldKind::Text) return false;
      for (const auto& box : kAbilityBoxes)
        if (record::LayoutOf(box.field).kind != record::FieldKind::Ability) return false;
      for (const auto& box : kChoiceBoxes) {
        const auto kind = record::LayoutOf(box.field).kind;
        if (kind != record::FieldKind::Choice && kind != record::FieldKind::Team) return false;
      }
      return true;
    }(),
    "each field of the record has one control of its kind");

struct CommandButtonLayout {
  const char* name;
  int left, top, width;
  const char* caption;
  int captionLine;
};

constexpr int kCommandButtonHeight = 28;

constexpr std::array<CommandButtonLayout, 6> kCommandButtons = {{
    {"CmdButton4", 424, 328, 93, "Limpiar todo", 73},
    {"CmdButton2", 516, 328, 107, "Cargar Luchador", 74},
    {"CmdButton1", 622, 328, 114, "Guardar Luchador", 75},
    {"CmdButton5", 734, 328, 58, "Evaluar", 78},
    {"CmdButton3", 798, 328, 44, "Salir", 76},
    {"btCambiarEditor", 0, 0, 129, "Switch to JEX Editor", -1},
}};

// The hidden language flag and the hidden "plays dirty" label.
struct PlainControlLayout {
  const char* name;
  int left, top, width, height;
};
constexpr PlainControlLayout kLanguageFlag = {"imIdioma", 799, 356, 45, 30};
constexpr PlainControlLayout kPlayDirtyLabel = {"lbPlayDirty", 342, 622, 0, 0};
constexpr const char* kPlayDirtyCaption = "Fighter plays dirty";
constexpr int kPlayDirtyCaptionLine = 114;

// The save command's two messages from the caption table: text and title lines.
struct CaptionMessage {
  int textLine, titleLine;
};
constexpr CaptionMessage kIncompleteFighterMessage = {85, 86};  // a field the save needs is empty
constexpr CaptionMessage kFighterSavedMessage = {87, 88};

}  // namespace beditor::layout
