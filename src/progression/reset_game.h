#pragma once
namespace cw {
class Game;
// Puts the character and the play state back before a new or a loaded game.
void ResetGame(Game& g);
}  // namespace cw
