#pragma once
// The editor mode: the number EditorMode.txt remembers, and the game the editor edits in it.
#include "core/fighter_layout.h"

namespace beditor::record {

// 1 is the JEX editor; 0, and any other number, the TAV editor. A number other than 0 and 1
// is kept as it was read, so that it is written back unchanged.
class EditorMode {
 public:
  constexpr EditorMode() = default;
  constexpr explicit EditorMode(int number) : number_(number) {}
  static constexpr EditorMode Of(Game game) { return EditorMode(game == Game::JEX ? 1 : 0); }

  constexpr int Number() const { return number_; }
  constexpr Game EditedGame() const { return GameFromModeNumber(number_); }
  // The mode the mode button leads to: the other game's.
  constexpr EditorMode Switched() const { return Of(EditedGame() == Game::JEX ? Game::TAV : Game::JEX); }

 private:
  int number_ = 0;
};

}  // namespace beditor::record
