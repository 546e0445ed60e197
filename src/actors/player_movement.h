#pragma once
namespace cw {
class Game;
// Steering, walk poses, movement, scrolling, walls and the play-area edge for one pass.
void MovePlayer(Game& g);
}  // namespace cw
