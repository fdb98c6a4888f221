// The TAV and JEX editor modes. The mode button's caption names the mode it leads to; it is
// derived from the mode, never read back.
#include <QWidget>

#include "core/game_rules.h"
#include "editor/editor_window.h"
#include "widgets/gradient_button.h"

namespace beditor {
namespace {

QString ModeButtonCaption(record::Game game) {
  return game == record::Game::TAV ? QStringLiteral("Switch to JEX Editor") : QStringLiteral("Switch to TAV Editor");
}

}  // namespace

void EditorWindow::SwitchEditorMode() {
  mode_ = mode_.Switched();
  const record::Game game = mode_.EditedGame();
  if (game == record::Game::TAV) {
    modeButton_->SetCaption(ModeButtonCaption(game));
    LoadWeightList(record::WeightListFileName(game));
    for (const record::Field field : record::kFieldsJexLacks) controls_.Control(field)->setEnabled(true);
    return;
  }
  LoadWeightList(record::WeightListFileName(game));
  modeButton_->SetCaption(ModeButtonCaption(game));
  for (const record::Field field : record::kFieldsJexLacks) {
    controls_.Control(field)->setEnabled(false);
    // Shown as a load shows a line: the identifier box tells of its new text, the list does not.
    if (const auto preset = record::JexPresetLine(field)) controls_.Show(record::LayoutOf(field), *preset);
  }
}

}  // namespace beditor
