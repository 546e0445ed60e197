#pragma once
namespace cw {
class Game;
// Runs play until blnGame becomes False; restarts the game music first.
void EnterGameLoop(Game& g);
// One pass of play.
void RunGameFrame(Game& g);
}  // namespace cw
