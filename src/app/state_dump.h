#pragma once
// The state dump of a headless run: one JSON object with the clock, the passes, the focus, the music,
// the player's settings and whether the game stands still, every game-state field and every element.
#include <string>

namespace cw {
class Game;
class PlayerSession;
// Without `player`, the game's clock is the session's and nothing stands still.
std::string StateDump(const Game& g, PlayerSession* player = nullptr);
}  // namespace cw
