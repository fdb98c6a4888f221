#include "core/editor_mode.h"

#include <gtest/gtest.h>

namespace beditor::record {
namespace {

// A remembered number other than 0 and 1 is the TAV editor, kept until the mode is switched.
TEST(EditorMode, TheNumberIsKeptUntilTheSwitchMakesItTheOtherGames) {
  struct Case {
    int number;
    Game game;
    int switched;
  };
  for (const Case& c : {Case{0, Game::TAV, 1}, Case{1, Game::JEX, 0}, Case{2, Game::TAV, 1}, Case{-1, Game::TAV, 1}}) {
    const EditorMode mode(c.number);
    EXPECT_EQ(mode.Number(), c.number);
    EXPECT_EQ(mode.EditedGame(), c.game) << c.number;
    EXPECT_EQ(mode.Switched().Number(), c.switched) << c.number;
  }
  EXPECT_EQ(EditorMode().Number(), 0);
  EXPECT_EQ(EditorMode::Of(Game::JEX).Number(), 1);
}

}  // namespace
}  // namespace beditor::record
